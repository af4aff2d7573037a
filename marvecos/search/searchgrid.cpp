#include "marvecos/search/searchgrid.h"

#include <algorithm>
#include <cmath>

namespace marvecos {

namespace {

double distanceToSegment(double x, double y, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

}  // namespace

double toMillimetre(double metres) {
    // An integer number of millimetres divided by 1000 is the double nearest to that decimal,
    // the same value the text "####0.000" reads back as.
    return std::round(metres * 1000) / 1000;
}

double axisPoint(const GridAxis& a, int i) {
    if (a.count <= 1) {
        return toMillimetre(a.from);
    }
    return toMillimetre(a.from + (a.to - a.from) * i / (a.count - 1));
}

SearchGrid defaultSearchGrid(double H, double L) {
    SearchGrid grid;
    grid.x = GridAxis{-H / 2, L + H / 2, 21};
    grid.y = GridAxis{H, 3 * H, 21};
    grid.radiiPerCentre = true;
    grid.r = GridAxis{0, 0, 11};
    return grid;
}

double distanceToFace(double H, double L, double x, double y) {
    return distanceToSegment(x, y, 0, H, L, 0);
}

double gridRadius(const SearchGrid& grid, double H, double L, double Xcr, double Ycr, int j) {
    if (!grid.radiiPerCentre) {
        return axisPoint(grid.r, j);
    }
    if (j >= grid.r.count) {
        return toMillimetre(std::hypot(Xcr - L, Ycr));
    }
    const double touching = distanceToFace(H, L, Xcr, Ycr);
    const double deepest = Ycr + H / 2;
    return toMillimetre(touching + (deepest - touching) * (j + 1) / grid.r.count);
}

double gridRadius(const SearchGrid& grid, double H, double L, double Xcr, double Ycr, int j,
                  const std::optional<double>& base) {
    if (!base || !grid.radiiPerCentre || j >= grid.r.count) {
        return gridRadius(grid, H, L, Xcr, Ycr, j);
    }
    const double touching = distanceToFace(H, L, Xcr, Ycr);
    const double deepest = std::min(Ycr + H / 2, Ycr - *base);
    const double R = toMillimetre(touching + (deepest - touching) * (j + 1) / grid.r.count);
    // Rounded to the millimetre, the deepest circle must still not pass below the base.
    return std::min(R, std::floor((Ycr - *base) * 1000) / 1000);
}

}  // namespace marvecos
