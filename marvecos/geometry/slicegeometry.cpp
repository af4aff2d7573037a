#include "marvecos/geometry/slicegeometry.h"

#include <algorithm>
#include <cmath>

namespace marvecos {

namespace {

// Square root that refuses a negative (or not-a-number) argument instead of producing NaN.
bool rootOf(double arg, double& root) {
    if (!(arg >= 0)) {
        return false;
    }
    root = std::sqrt(arg);
    return true;
}

// Int of the old dialect: truncation toward minus infinity.
double Int(double x) {
    return std::floor(x);
}

struct CircleEnds {
    GeometryStatus status = GeometryStatus::Ok;
    int top = 0, base = 0;
    double xl = 0, xr = 0;
};

// Where the circle enters and leaves the ground: the face line, the crest plane y = H and the
// base plane y = 0.
CircleEnds findCircleEnds(const GeometryInput& in, double m) {
    CircleEnds e;
    const double d = in.Ycr - in.H;
    const double a = m * m + 1;
    const double b = -2 * m * d - 2 * in.Xcr;
    const double c0 = d * d - in.R * in.R + in.Xcr * in.Xcr;
    double rootFace = 0;
    if (!rootOf(b * b - 4 * a * c0, rootFace)) {
        e.status = GeometryStatus::NoFaceCrossing;
        return e;
    }
    const double x1 = (-b + rootFace) / (2 * a);
    const double x2 = (-b - rootFace) / (2 * a);

    double rootCrest = 0;
    if (!rootOf(in.R * in.R - (in.H - in.Ycr) * (in.H - in.Ycr), rootCrest)) {
        e.status = GeometryStatus::NoCrestLevel;
        return e;
    }
    const double xc = in.Xcr - rootCrest;
    e.top = xc < 0 ? 1 : 0;

    double xb = 0;
    if (in.R * in.R - in.Ycr * in.Ycr > 0) {
        xb = in.Xcr + std::sqrt(in.R * in.R - in.Ycr * in.Ycr);
    }
    // The sliding mass ends where the circle first leaves the ground. A circle that passes
    // above the toe has left through the face; where it dips into the ground again beyond the
    // toe is not part of the mass.
    const double toeX = in.L - in.Xcr;
    const bool belowToe = toeX * toeX + in.Ycr * in.Ycr <= in.R * in.R;
    e.base = xb > in.L && belowToe ? 1 : 0;

    e.xl = e.top == 1 ? xc : x2;
    e.xr = e.base == 1 ? xb : x1;
    return e;
}

int caseOf(int top, int base) {
    if (top == 1) {
        return base == 0 ? 1 : 4;
    }
    return base == 0 ? 2 : 3;
}

// The ground surface: the crest plane behind the crest edge, the face, the base plane from the
// toe on (exactly 0 there, whatever the rounding of H + m*L). Without a face length the face
// line is level (m = 0), as the ends of the circle were found on it.
double groundAt(const GeometryInput& in, double m, double x) {
    if (x <= 0) {
        return in.H;
    }
    if (in.L > 0 && x >= in.L) {
        return 0;
    }
    return std::max(0.0, in.H + m * x);
}

// A group of `count` slices of width w from boundary `first` on. Each boundary comes from its
// index and the group ends exactly on `end`, so that where a group stops never depends on how
// a running sum rounds. The last slice of the last group takes up what a fractional n leaves.
int placeGroup(SliceGeometry& g, int first, int count, double w, double end) {
    for (int j = 1; j < count; ++j) {
        g.X[first + j] = g.X[first] + j * w;
    }
    g.X[first + count] = end;
    return first + count;
}

void groundAtBoundaries(const GeometryInput& in, double m, SliceGeometry& g) {
    for (int i = 1; i <= g.slices + 1; ++i) {
        g.YS[i] = groundAt(in, m, g.X[i]);
    }
}

// Case 1: n1 slices behind the crest up to the crest edge, the rest on the face.
GeometryStatus crestToFace(const GeometryInput& in, double m, SliceGeometry& g) {
    const double n1 = Int(in.n / 2);
    const double n2 = in.n - n1;
    if (n1 == 0 || n2 == 0) {
        return GeometryStatus::ZeroDivision;
    }
    const double wb = std::fabs(g.Xi / n1);
    const double wf = g.Xd / n2;
    const int behind = static_cast<int>(n1);
    g.X[1] = g.Xi;
    const int edge = placeGroup(g, 1, behind, wb, 0);
    placeGroup(g, edge, g.slices - behind, wf, g.Xd);
    groundAtBoundaries(in, m, g);
    return GeometryStatus::Ok;
}

// Case 2: equal widths between two points of the face; the last slice ends on the exit point.
GeometryStatus faceToFace(const GeometryInput& in, double m, SliceGeometry& g) {
    const double w = (g.Xd - g.Xi) / in.n;
    g.X[1] = g.Xi;
    for (int i = 2; i <= g.slices + 1; ++i) {
        g.X[i] = g.X[i - 1] + w;
    }
    g.X[g.slices + 1] = g.Xd;
    groundAtBoundaries(in, m, g);
    return GeometryStatus::Ok;
}

// Case 3: n1 slices on the face down to the toe, the rest beyond it.
GeometryStatus faceToBase(const GeometryInput& in, double m, SliceGeometry& g) {
    const double n1 = Int(in.n / 2);
    const double n2 = in.n - n1;
    if (n1 == 0 || n2 == 0) {
        return GeometryStatus::ZeroDivision;
    }
    const double wf = (in.L - g.Xi) / n1;
    const double wt = (g.Xd - in.L) / n2;
    const int onFace = static_cast<int>(n1);
    g.X[1] = g.Xi;
    const int toe = placeGroup(g, 1, onFace, wf, in.L);
    placeGroup(g, toe, g.slices - onFace, wt, g.Xd);
    groundAtBoundaries(in, m, g);
    return GeometryStatus::Ok;
}

// Case 4: 2k slices behind the crest, 2k beyond the toe, the rest on the face.
GeometryStatus crestToBase(const GeometryInput& in, double m, SliceGeometry& g) {
    const double k = Int(in.n / 8);
    const double n1 = 2 * k;
    const double n3 = 2 * k;
    const double n2 = in.n - n1 - n3;
    if (n1 == 0 || n2 == 0 || n3 == 0) {
        return GeometryStatus::ZeroDivision;
    }
    const double wb = std::fabs(g.Xi / n1);
    const double wf = in.L / n2;
    const double wt = std::fabs((g.Xd - in.L) / n3);
    const int behind = static_cast<int>(n1);
    const int beyond = static_cast<int>(n3);
    g.X[1] = g.Xi;
    const int edge = placeGroup(g, 1, behind, wb, 0);
    const int toe = placeGroup(g, edge, g.slices - behind - beyond, wf, in.L);
    placeGroup(g, toe, beyond, wt, g.Xd);
    groundAtBoundaries(in, m, g);
    return GeometryStatus::Ok;
}

// The slip surface is the lower half of the circle, never above the ground. At the two ends
// the boundary lies on the circle itself, where rounding may leave the square-root argument a
// hair below zero; that is read as zero, anything more is a boundary outside the circle.
GeometryStatus slipSurfacePass(const GeometryInput& in, SliceGeometry& g) {
    const double rounding = 1e-9 * std::max(1.0, in.R * in.R);
    for (int i = 1; i <= g.slices + 1; ++i) {
        double arg = in.R * in.R - (g.X[i] - in.Xcr) * (g.X[i] - in.Xcr);
        if (arg < 0 && arg >= -rounding) {
            arg = 0;
        }
        double root = 0;
        if (!rootOf(arg, root)) {
            return GeometryStatus::OutsideCircle;
        }
        g.Y[i] = in.Ycr - root;
        if (g.Y[i] > g.YS[i]) {
            g.Y[i] = g.YS[i];
        }
    }
    return GeometryStatus::Ok;
}

bool allFinite(const SliceGeometry& g) {
    if (!std::isfinite(g.Xi) || !std::isfinite(g.Xd)) {
        return false;
    }
    for (int i = 1; i <= g.slices + 1; ++i) {
        if (!std::isfinite(g.X[i]) || !std::isfinite(g.Y[i]) || !std::isfinite(g.YS[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

MinMax minMax4(double a, double b, double c, double d) {
    MinMax r{-100000, 100000};
    for (double v : {a, b, c, d}) {
        if (v > r.largest) {
            r.largest = v;
        }
        if (v < r.smallest) {
            r.smallest = v;
        }
    }
    return r;
}

SliceGeometry computeSliceGeometry(const GeometryInput& in) {
    SliceGeometry g;
    computeSliceGeometry(in, g);
    return g;
}

void computeSliceGeometry(const GeometryInput& in, SliceGeometry& g) {
    g.status = GeometryStatus::Ok;
    g.Xi = g.Xd = 0;
    g.caso = 0;
    g.slices = 0;
    g.firstPointLifted = false;
    g.warnFewSlices = false;
    if (!std::isfinite(in.n) || in.n < 1 || in.n >= kMaxSlices + 1) {
        g.X.clear();
        g.Y.clear();
        g.YS.clear();
        g.status = GeometryStatus::BadSliceCount;
        return;
    }
    g.slices = static_cast<int>(Int(in.n));
    g.X.assign(g.slices + 2, 0.0);
    g.Y.assign(g.slices + 2, 0.0);
    g.YS.assign(g.slices + 2, 0.0);

    const double m = in.L > 0 ? -in.H / in.L : 0;
    const CircleEnds ends = findCircleEnds(in, m);
    if (ends.status != GeometryStatus::Ok) {
        g.status = ends.status;
        return;
    }
    const MinMax span = minMax4(ends.xl, ends.xl, ends.xr, ends.xr);
    g.Xd = span.largest;
    g.Xi = span.smallest;
    g.caso = caseOf(ends.top, ends.base);

    GeometryStatus status = GeometryStatus::Ok;
    switch (g.caso) {
        case 1:
            status = crestToFace(in, m, g);
            break;
        case 2:
            status = faceToFace(in, m, g);
            break;
        case 3:
            status = faceToBase(in, m, g);
            break;
        default:
            status = crestToBase(in, m, g);
            break;
    }
    if (status == GeometryStatus::Ok) {
        status = slipSurfacePass(in, g);
    }
    if (status != GeometryStatus::Ok) {
        g.status = status;
        return;
    }
    // The face-to-face circle leaves through the face: its last slip point is the ground there.
    if (g.caso == 2) {
        g.Y[g.slices + 1] = g.YS[g.slices + 1];
    }

    if (g.Y[1] < g.YS[1]) {
        // A first point lifted by a mere rounding difference is no reason for a warning.
        const double rounding = 1e-9 * std::max(1.0, std::fabs(in.R));
        g.warnFewSlices = g.YS[1] - g.Y[1] > rounding && in.n < 60;
        g.firstPointLifted = true;
        g.Y[1] = g.YS[1];
    }
    if (!allFinite(g)) {
        g.status = GeometryStatus::NotFinite;
    }
}

}  // namespace marvecos
