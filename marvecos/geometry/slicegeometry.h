#pragma once

// Slip circle and slices of a homogeneous slope.
//
// Pure arithmetic in double precision: no files, no messages, no Qt. The console Spencer
// program links this library alone and calls it like this:
//
//     marvecos::GeometryInput in{H, L, Xcr, Ycr, R, N};
//     marvecos::SliceGeometry g = marvecos::computeSliceGeometry(in);
//     if (g.status != marvecos::GeometryStatus::Ok) { ...reject the data... }
//     // g.caso is the case number 1..4; g.X, g.Y, g.YS hold boundaries 1..g.slices+1.
//     std::vector<double> DY = marvecos::soilHeights(g, L);              // slicequantities.h
//     marvecos::SliceQuantities q = marvecos::sliceQuantities(g, DY, GAM);
//
// g.warnFewSlices is the window program's "Advertencia" about the number of slices; a console
// caller simply ignores it.
//
// Coordinates: x to the right, y upward, origin at toe level below the crest edge. The ground
// is y = H for x <= 0, the face from (0, H) down to the toe (L, 0), and y = 0 for x >= L.

#include <vector>

namespace marvecos {

// The slope and the trial circle. n may be fractional: the widths use it as it is, while the
// number of slices is its whole part.
struct GeometryInput {
    double H = 0, L = 0;
    double Xcr = 0, Ycr = 0, R = 0;
    double n = 0;
};

// Largest number of slices the point arrays hold (boundaries up to 105).
constexpr int kMaxSlices = 104;

enum class GeometryStatus {
    Ok,
    BadSliceCount,   // fewer than 1 or more than kMaxSlices slices
    NoFaceCrossing,  // the circle does not meet the line of the slope face
    NoCrestLevel,    // the circle does not reach the crest level y = H
    OutsideCircle,   // a boundary lies beyond the circle (square root of a negative number)
    ZeroDivision,    // a group of slices has no slices to share its width
    NotFinite,       // numbers too large for the arithmetic
};

struct SliceGeometry {
    GeometryStatus status = GeometryStatus::Ok;
    double Xi = 0;  // left end of the slip surface
    double Xd = 0;  // right end of the slip surface
    int caso = 0;   // 1 crest to face, 2 face to face, 3 face to base, 4 crest to base
    int slices = 0;
    // Boundaries 1..slices+1; element 0 is unused.
    std::vector<double> X, Y, YS;
    // The first slip-surface point lay below the ground and was lifted onto it.
    bool firstPointLifted = false;
    // ... and by more than rounding, with fewer than 60 slices: the program recommends more.
    bool warnFewSlices = false;
};

struct MinMax {
    double largest = 0;
    double smallest = 0;
};

// Largest and smallest of four numbers, searched from -100000 and +100000.
MinMax minMax4(double a, double b, double c, double d);

SliceGeometry computeSliceGeometry(const GeometryInput& in);

// The same into a caller's object, whose vectors keep their capacity: a search that tries many
// circles reuses one object and allocates nothing once it has grown.
void computeSliceGeometry(const GeometryInput& in, SliceGeometry& out);

}  // namespace marvecos
