#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "marvecos/geometry/slicequantities.h"
#include "marvecos/model/modelslices.h"

namespace marvecos {

enum class SliceMethod { Bishop, Janbu };

// Last iteration number: iteration 1000 is the 1001st and last.
constexpr int kLastIteration = 1000;

// The history of one run of the iteration for the factor of safety.
struct Iteration {
    bool failed = false;  // a division by zero or a number out of range: no result
    bool converged = false;
    std::int16_t iter = 0;  // 1001 when the iteration did not converge
    double fs0 = 0;         // starting value
    double fs = 0;          // last proposed value
    double fsCalc = 0;      // last calculated value
    double error = 0;       // |fsCalc - fs| of the last iteration
    double result = 0;
    // Proposed and calculated value of iterations 0..1001 (1001 is never reached and stays 0).
    std::vector<double> fsprop, fscalc;
};

// A factor of safety the program reports: finite and above zero.
bool isSoundFactor(double fs);

// Repeats the pass of the method (bishop.h, janbu.h) from fs0 = 1.2 times the ordinary
// factor, each calculated value the next proposed one. The tolerance 0.0001 loosens to 0.001 after
// iteration 500 and to 0.01 after 750. The caller makes sure the divisor sums are not zero.
Iteration iterateFactor(SliceMethod method, const SliceQuantities& q, double c, double tanfi);

// The same into a caller's object, whose vectors keep their capacity.
void iterateFactor(SliceMethod method, const SliceQuantities& q, double c, double tanfi,
                   Iteration& out);

// The same iteration on the slices of the ground model (bishop.h, janbu.h), from 1.2 times the
// ordinary method's factor sum[c*l + ((W + Q + pondV)*cos - u*l)*tanfi] over Bishop's
// driving sum. The caller makes sure the driving sums are above zero.
void iterateFactor(SliceMethod method, const ModelSlices& s, Iteration& out);

}  // namespace marvecos
