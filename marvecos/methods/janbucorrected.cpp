#include "marvecos/methods/janbucorrected.h"

#include <algorithm>
#include <cmath>

namespace marvecos {

namespace {

double b1OfBases(const ModelSlices& s) {
    bool allWithoutCohesion = true, allWithoutFriction = true;
    for (int k = 1; k <= s.slices; ++k) {
        allWithoutCohesion = allWithoutCohesion && s.c[k] == 0;
        allWithoutFriction = allWithoutFriction && s.fi[k] == 0;
    }
    if (allWithoutFriction && !allWithoutCohesion) {
        return kJanbuB1CohesionOnly;
    }
    if (allWithoutCohesion && !allWithoutFriction) {
        return kJanbuB1FrictionOnly;
    }
    return kJanbuB1Both;
}

}  // namespace

JanbuCorrection janbuCorrection(const ModelSlices& s) {
    JanbuCorrection j;
    j.b1 = b1OfBases(s);
    if (s.slices < 1) {
        return j;
    }
    const double x1 = s.xLeft[1], y1 = s.yBaseLeft[1];
    const double x2 = s.xRight[s.slices], y2 = s.yBaseRight[s.slices];
    j.L = std::hypot(x2 - x1, y2 - y1);
    if (!(j.L > 0)) {
        return j;
    }
    // Depth below the chord (positive downward) of a point.
    auto depth = [&](double x, double y) {
        return ((x2 - x1) * (y1 - y) - (y2 - y1) * (x1 - x)) / j.L;
    };
    for (int k = 1; k <= s.slices; ++k) {
        j.d = std::max(j.d, depth(s.xLeft[k], s.yBaseLeft[k]));
    }
    // The deepest point of the arc lies where its tangent is parallel to the chord.
    const double ux = (y2 - y1) / j.L, uy = -(x2 - x1) / j.L;  // unit normal, downward
    const double xDeep = s.Xcr + s.R * ux;
    if (xDeep > x1 && xDeep < x2) {
        j.d = std::max(j.d, depth(xDeep, s.Ycr + s.R * uy));
    }
    const double ratio = j.d / j.L;
    j.f0 = 1 + j.b1 * (ratio - 1.4 * ratio * ratio);
    return j;
}

}  // namespace marvecos
