#pragma once

#include "fendrolas/methods/frame.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// Terzaghi, method 1: the full base under a centred vertical load; writes "terza.out".
void metodoterzaghi(const MethodInput& input, CalculationContext& context);

// Terzaghi's factors, exposed for checking against the tables of the method.
struct TerzaghiFactors {
    double Nq = 0, Nc = 0, Kpg = 0, Ngamma = 0;
};
TerzaghiFactors terzaghiFactors(double phi);

}  // namespace fendrolas
