#pragma once

#include "common/messages.h"
#include "fendrolas/methods/frame.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// CCSR Mza87, method 5: the code's form of Brinch Hansen's equation, its inclination factors
// from the angle of the resultant load; writes "ccsr.out" before handing its table to the
// partial-results window.
void metodoccsr(const MethodInput& input, CalculationContext& context);

// The table of a run without the frame. False when a state failed (load inclined beyond phi):
// that state and the ones after it are left without a result.
bool computeCcsr(const MethodInput& input, MethodResults& table, common::MessageSink& messages);

struct CcsrInclination {
    double iq = 1, ic = 1, ig = 1;
};

// Inclination factors of a load whose inclination has the tangent t. False when the load is
// inclined more steeply than phi (1 - (t cot phi)^2 below 0; exactly 0 still passes).
bool ccsrInclination(double phi, double t, double Nq, CcsrInclination& factors);

}  // namespace fendrolas
