#pragma once

#include "marvecos/geometry/slicequantities.h"
#include "marvecos/model/modelslices.h"

namespace marvecos {

// Simplified Janbu (no correction factor), one pass with the proposed factor fs, horizontal
// forces:
//   fsCalc = sum[(c*b + W*tanfi) * secA^2 / ma] / sum(W*tanA),   ma = 1 + tanA*tanfi/fs.
// False on a division by zero or a result that is not a finite number.
bool janbuFactor(const SliceQuantities& q, double c, double tanfi, double fs, double& fsCalc);

// On the ground model, by horizontal forces:
//   fsCalc = sum[(c*b + (W + Q + pondV - u*b)*tanfi) / (cos*mA)] / driving,
//   mA = cos + sen*tanfi/fs, driving = janbuDriving(s).
bool janbuFactor(const ModelSlices& s, double driving, double fs, double& fsCalc);

// The horizontal force that drives the mass toward the toe:
//   sum[(W + Q + pondV)*tanA + kW - pondH].
double janbuDriving(const ModelSlices& s);

}  // namespace marvecos
