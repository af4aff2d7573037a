#pragma once

#include "common/messages.h"
#include "fendrolas/methods/frame.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// The three coefficients of the Brinch Hansen dialog, as the driver read them.
struct HansenCoefficients {
    float alfa1 = 2.5f;  // exponent of the q inclination factors
    float alfa2 = 3.5f;  // exponent of the gamma inclination factors
    float cc = 0.6f;     // adhesion = cc c
};

// Brinch Hansen, method 3: the equation in the direction of each effective side, the smaller
// result kept; writes "hansen.out".
void metodohansen(const MethodInput& input, float alfa1, float alfa2, float cc,
                  CalculationContext& context);

// The table of a run (rows 1 to 31 of the five states, rows 32 to 34 of column 0 = Nq, Nc,
// Ngamma) without the frame.
void computeHansen(const MethodInput& input, const HansenCoefficients& k, MethodResults& table,
                   common::MessageSink& messages);

}  // namespace fendrolas
