#pragma once

#include "common/messages.h"
#include "drovines/arithmetic.h"
#include "drovines/resultados.h"
#include "drovines/thrust.h"
#include "drovines/wall.h"

namespace drovines {

enum class Variant { Rankine, Coulomb };

// What the thrust method hands to the stability check.
struct StabilityInput {
    WallRecord record;
    SoilWeights soil;
    Thrusts thrusts;
    double d = 0;        // angle of the thrust with the horizontal, radians
    double gm = 0;       // unit weight of the wall
    double df = 0;       // foundation depth
    bool wedge = false;  // soil wedge on the back face counted (Rankine only)
    Variant variant = Variant::Rankine;
};

// Bearing, overturning and sliding checks of the wall; fills indices 11 to 45 of resultados.
void verifyStability(const StabilityInput& in, common::MessageSink& messages, Arithmetic& ar,
                     Resultados& resultados);

}  // namespace drovines
