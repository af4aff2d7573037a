#pragma once

#include "marvecos/geometry/slicequantities.h"

namespace marvecos {

// Simplified Bishop, one pass with the proposed factor fs, moments about the circle's centre:
//   fsCalc = sum[(c*b + W*tanfi) * secA / ma] / sum(W*sen),   ma = 1 + tanA*tanfi/fs
// (secA/ma is 1/mA with mA = cos + sen*tanfi/fs). False on a division by zero or a result
// that is not a finite number.
bool bishopFactor(const SliceQuantities& q, double c, double tanfi, double fs, double& fsCalc);

}  // namespace marvecos
