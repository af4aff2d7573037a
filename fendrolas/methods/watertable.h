#pragma once

#include "fendrolas/methods/methodresults.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// Unit weight of water, kN/m3.
constexpr double kGammaW = 9.81;

// Submerged unit weight gamma' = gsat - gamma_w, stored in single precision as the moist unit
// weight is, so that a water table at the surface gives exactly the figures of a dry soil of
// unit weight gamma'.
float submergedUnitWeight(const WaterTable& water);

// Overburden at the base level: q = gamma df when dw >= df (or without water table), q =
// gamma dw + gamma' (df - dw) when dw < df.
double overburden(double gamma, double df, const WaterTable& water);

// Unit weight in the gamma term of a base of width B: gamma' when dw <= df; gamma' + (dw - df)/B
// (gamma - gamma') when df < dw < df + B; gamma when dw >= df + B (or without water table).
double gammaTermUnitWeight(double gamma, double df, double B, const WaterTable& water);

// The start of a run's water record: the water table of the input and its overburden q; the unit
// weights of the states follow as each state is computed.
WaterUsed startWaterRecord(const MethodInput& input);

}  // namespace fendrolas
