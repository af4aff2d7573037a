#pragma once

// Heights and quantities of the slices cut by computeSliceGeometry, shared by the window
// program's Bishop and Janbu iterations and by the console Spencer program. Double precision,
// no files, no messages.

#include <vector>

#include "marvecos/geometry/slicegeometry.h"

namespace marvecos {

// Soil height above the slip surface, YS - Y, at boundaries 1..slices+1 (element 0 unused).
// The soil in front of the toe counts like the soil under the face: a circle that dips below
// the toe level carries it. L is not needed, YS already holds the ground beyond the toe; the
// parameter stays for the callers.
std::vector<double> soilHeights(const SliceGeometry& g, double L);
void soilHeights(const SliceGeometry& g, double L, std::vector<double>& DY);

// Per slice k = 1..slices (element 0 unused); slice k lies between boundaries k and k+1.
struct SliceQuantities {
    int slices = 0;
    std::vector<double> dxx, A, L1, w;
    std::vector<double> cos, sen, tanA, secA;
    std::vector<double> wcos, wsen;
    double sumL = 0, sumWcos = 0, sumWsen = 0, sumWtan = 0;
    // Slices of zero width, whose base has no inclination: their ratios are written as 0 and
    // the factor of safety cannot be computed on this circle.
    int degenerateSlices = 0;
};

SliceQuantities sliceQuantities(const SliceGeometry& g, const std::vector<double>& DY, double gam);

// The same into a caller's object, whose vectors keep their capacity.
void sliceQuantities(const SliceGeometry& g, const std::vector<double>& DY, double gam,
                     SliceQuantities& out);

// Whether the slices carry weight toward the toe: sum(W*sen) above zero by more than rounding.
// A mass balanced about the centre of its circle, or leaning away from the toe, would not slide
// down the slope and has no factor of safety; every program refuses such a circle.
bool drivesTowardToe(const SliceQuantities& q);

// The same for sum(W*tanA), the divisor of Janbu's factor.
bool drivesTowardToeByTangent(const SliceQuantities& q);

// tan(fi) with fi in degrees, pi taken as 3.1416.
double frictionTangent(double fi);

// 1.2 times the ordinary-method factor: the first trial of the iterations. The caller makes
// sure sumWsen is not zero.
double startingFactor(double c, double tanfi, const SliceQuantities& q);

}  // namespace marvecos
