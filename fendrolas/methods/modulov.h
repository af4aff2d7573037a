#pragma once

#include "common/messages.h"
#include "fendrolas/methods/frame.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// Vesic, method 4: shape, depth and inclination factors on the effective base, the inclination
// exponent m following the direction of the horizontal load; writes "vesic.out". The adhesion
// coefficient cc is read from the text of its dialog when the run starts.
void metodovesic(const MethodInput& input, CalculationContext& context);

// The table of a run without the frame. False when a state failed (its inclination base
// negative): that state and the ones after it are left without a result.
bool computeVesic(const MethodInput& input, float cc, MethodResults& table,
                  common::MessageSink& messages);

}  // namespace fendrolas
