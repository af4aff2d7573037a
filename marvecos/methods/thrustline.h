#pragma once

#include <vector>

#include "marvecos/methods/interslicesolver.h"
#include "marvecos/model/modelslices.h"

namespace marvecos {

// Where the interslice normal force E acts on each boundary (the line of thrust): the height
// that keeps every slice in moment equilibrium about the middle of its base, worked from the
// first slice on, the weight taken at the slice's middle. Per boundary 1..slices+1 (element 0
// unused); defined[i] is false where E is too small for its point to mean anything.
struct ThrustLine {
    std::vector<double> y;
    std::vector<bool> defined;
};

ThrustLine thrustLine(const ModelSlices& s, const InterSliceSolution& sol);

}  // namespace marvecos
