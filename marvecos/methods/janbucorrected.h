#pragma once

#include "marvecos/model/modelslices.h"

namespace marvecos {

// Janbu's correction of the simplified (force) factor for the interslice shear it leaves out:
//   F = f0 * F_simplified,   f0 = 1 + b1 * (d/L - 1.4 * (d/L)^2)
// L the chord from where the slip surface enters the ground to where it leaves it, d the
// greatest depth of the slip surface below that chord, and b1 by the soil of the bases:
// 0.69 with cohesion only (fi = 0 on every base), 0.31 with friction only (c = 0 on every
// base), 0.50 for soils with both.
constexpr double kJanbuB1CohesionOnly = 0.69;
constexpr double kJanbuB1FrictionOnly = 0.31;
constexpr double kJanbuB1Both = 0.50;

struct JanbuCorrection {
    double d = 0;  // depth below the chord
    double L = 0;  // chord length
    double b1 = 0;
    double f0 = 1;
};

JanbuCorrection janbuCorrection(const ModelSlices& s);

}  // namespace marvecos
