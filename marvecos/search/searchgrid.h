#pragma once

// The circles a search of the critical slip circle tries: a grid of centres and, for each
// centre, a set of radii.

#include <optional>

namespace marvecos {

// count points from `from` to `to`, both included (a single point stands at `from`).
struct GridAxis {
    double from = 0;
    double to = 0;
    int count = 1;
};

struct SearchGrid {
    GridAxis x;  // centres Xcr
    GridAxis y;  // centres Ycr
    // With radiiPerCentre each centre tries r.count radii from the circle that just reaches
    // the slope face to the one whose lowest point lies H/2 below the toe level, and the
    // circle through the toe besides; only r.count is used. Otherwise every centre takes the
    // radii of r.
    bool radiiPerCentre = true;
    GridAxis r{0, 0, 11};

    int centres() const { return x.count * y.count; }
    // Circles tried per centre.
    int radii() const { return radiiPerCentre ? r.count + 1 : r.count; }
    long circles() const { return static_cast<long>(centres()) * radii(); }
};

// Largest grid a search accepts, in circles.
constexpr long kMaxSearchCircles = 10000000;

// Every coordinate and radius of a search is taken to the millimetre, so that it reads back
// exactly from its "####0.000" text in an entry field or a file.
double toMillimetre(double metres);

// Point i (0-based) of an axis, to the millimetre.
double axisPoint(const GridAxis& a, int i);

// Centres above the face, from H/2 behind the crest edge to H/2 beyond the toe and from the
// crest level H to 3H, in 21 x 21 points; 11 radii per centre and the circle through the toe.
SearchGrid defaultSearchGrid(double H, double L);

// Shortest distance from a point to the slope face, from the crest edge (0, H) to the toe
// (L, 0).
double distanceToFace(double H, double L, double x, double y);

// Radius j (0-based, below grid.radii()) of the centre (Xcr, Ycr), to the millimetre. Per
// centre, radii 0..r.count-1 share out in equal steps the span above the circle that only
// touches the face (or passes through the crest edge or the toe): the smallest cuts a thin
// slice of soil, the largest reaches H/2 below the toe level. The last one passes through the
// toe, where the critical circles of steep slopes and of frictional soils pass.
double gridRadius(const SearchGrid& grid, double H, double L, double Xcr, double Ycr, int j);

// The same over a base at level `base`: no radius of the centre's share reaches below it.
double gridRadius(const SearchGrid& grid, double H, double L, double Xcr, double Ycr, int j,
                  const std::optional<double>& base);

}  // namespace marvecos
