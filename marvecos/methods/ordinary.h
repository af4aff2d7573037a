#pragma once

#include "marvecos/model/modelslices.h"

namespace marvecos {

// The ordinary method of slices: the base normal force from the slice's own weight and
// horizontal forces alone, interslice forces left out, moments about the circle's centre:
//   N = (W + Q + ponded weight)*cos(alpha) - (kh*W - ponded push)*sin(alpha)
//   F = sum[c*l + (N - u*l)*tan(fi)] / sum[(W + Q)*sin(alpha) + kh*W*(Ycr - yG)/R + ponded/R]
// False when the mass does not drive toward the toe or the factor is not a positive number.
bool ordinaryFactor(const ModelSlices& s, double& F);

}  // namespace marvecos
