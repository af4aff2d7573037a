#pragma once

#include "common/messages.h"
#include "fendrolas/methods/effectivebase.h"
#include "fendrolas/methods/frame.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// Meyerhof, method 2: Meyerhof's equation with shape, depth and inclination factors on the
// effective base, reduced for eccentricity by Re; writes "meyer.out".
void metodomeyerhof(const MethodInput& input, CalculationContext& context);

// The table of a Meyerhof run (rows 1 to 29 of the five states, Nc, Nq, Ngamma, method 2),
// without the frame. The eccentricity messages go to `messages`.
void computeMeyerhof(const MethodInput& input, MethodResults& table, common::MessageSink& messages);

// Reduction factor for eccentricity Re = f1 f2 of state i. A ratio of 0.5 or more makes its
// factor 0 and shows its message.
double reductionFactor(const EffectiveBase& base, const MethodInput& input, int i,
                       common::MessageSink& messages);

}  // namespace fendrolas
