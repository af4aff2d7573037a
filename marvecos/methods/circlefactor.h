#pragma once

#include <vector>

#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/geometry/slicequantities.h"
#include "marvecos/methods/iteration.h"
#include "marvecos/model/modelslices.h"
#include "marvecos/problem.h"

namespace marvecos {

// What the slices of a circle allow: a factor of safety (converged or not), or why there is
// none.
enum class CircleVerdict {
    Converged,
    NotConverged,       // a factor still comes out: the mean of the last two trials
    ZeroWidthSlices,    // slices of zero width have no base inclination
    NoDrivingWeight,    // sum of W*sen (or, for Janbu, of W*tan) is not above zero
    IterationFailed,    // a division by zero or a value out of range in the iteration
    FactorNotPositive,  // the factor comes out zero, negative or not a number
    BelowBase,          // the sliding mass reaches below the base of the ground model
};

// Everything one circle's factor of safety is computed in. Kept and reused from circle to
// circle, so that a search over many circles needs no new memory for each.
struct FactorWork {
    std::vector<double> DY;
    SliceQuantities q;
    Iteration it;
    double tanfi = 0;
    ModelSlices slices;  // on a ground model
};

// Soil heights, slice quantities and the iteration of "Calcular" on slices already cut: the
// one path by which both a single calculation and the search of the critical circle reach the
// factor of safety (w.it.result when the verdict gives one). No files, no messages.
CircleVerdict factorOnSlices(SliceMethod method, const SlopeProblem& p, const SliceGeometry& g,
                             FactorWork& w);

// The same on the ground model below the fields' soil (a model that uses some of its inputs).
CircleVerdict factorOnModel(SliceMethod method, const SlopeProblem& p, const GroundModel& model,
                            const SliceGeometry& g, FactorWork& w);

inline bool givesFactor(CircleVerdict v) {
    return v == CircleVerdict::Converged || v == CircleVerdict::NotConverged;
}

}  // namespace marvecos
