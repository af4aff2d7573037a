#pragma once

#include <optional>
#include <string>

#include "common/messages.h"
#include "drovines/arithmetic.h"
#include "drovines/estabilidad.h"
#include "drovines/resultados.h"
#include "drovines/thrust.h"
#include "drovines/wall.h"

namespace drovines {

// What Rankine and Coulomb do once they have their coefficient ka and the angle d of the
// thrust with the horizontal (radians): the thrusts, the stability of the wall and, when the
// arithmetic failed anywhere, the error message under `errorTitle` and no results.
std::optional<Resultados> activeMethod(const WallRecord& r, const SoilWeights& soil, double ka,
                                       double d, bool wedge, Variant variant,
                                       const std::string& errorTitle, Arithmetic& ar,
                                       common::MessageSink& messages);

// The message of a calculation that failed in its arithmetic.
void unexpectedError(const std::string& errorTitle, common::MessageSink& messages);

}  // namespace drovines
