#pragma once

#include "marvecos/geometry/slicequantities.h"
#include "marvecos/model/modelslices.h"

namespace marvecos {

// Simplified Bishop, one pass with the proposed factor fs, moments about the circle's centre:
//   fsCalc = sum[(c*b + W*tanfi) * secA / ma] / sum(W*sen),   ma = 1 + tanA*tanfi/fs
// (secA/ma is 1/mA with mA = cos + sen*tanfi/fs). False on a division by zero or a result
// that is not a finite number.
bool bishopFactor(const SliceQuantities& q, double c, double tanfi, double fs, double& fsCalc);

// On the ground model, each slice with the strength and pore pressure of its base:
//   fsCalc = sum[(c*b + (W + Q + pondV - u*b)*tanfi) / mA] / driving   (s.resisting / mA),
//   mA = cos + sen*tanfi/fs, driving = bishopDriving(s).
bool bishopFactor(const ModelSlices& s, double driving, double fs, double& fsCalc);

// The moment that drives the mass about the circle's centre, over R:
//   sum[(W + Q)*sen + kW*(Ycr - yG)/R + pondM/R].
double bishopDriving(const ModelSlices& s);

}  // namespace marvecos
