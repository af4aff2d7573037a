#pragma once

#include "marvecos/geometry/slicequantities.h"

namespace marvecos {

// Simplified Janbu (no correction factor), one pass with the proposed factor fs, horizontal
// forces:
//   fsCalc = sum[(c*b + W*tanfi) * secA^2 / ma] / sum(W*tanA),   ma = 1 + tanA*tanfi/fs.
// False on a division by zero or a result that is not a finite number.
bool janbuFactor(const SliceQuantities& q, double c, double tanfi, double fs, double& fsCalc);

}  // namespace marvecos
