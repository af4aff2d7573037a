#include "grenvil/slicetable.h"

#include <cmath>
#include <vector>

#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/geometry/slicequantities.h"

namespace grenvil {

bool circleCutsFaceLine(const SpencerInput& in) {
    const float m = in.L > 0.0f ? -in.H / in.L : 0.0f;
    const float a = m * m + 1.0f;
    const float b = -2.0f * m * (in.YCR - in.H) - 2.0f * in.XCR;
    const float c0 = (in.YCR - in.H) * (in.YCR - in.H) - in.R * in.R + in.XCR * in.XCR;
    return !(b * b - 4.0f * a * c0 < 0.0f);
}

namespace {

bool allFinite(const SliceTable& t) {
    for (int k = 1; k <= t.n; ++k) {
        if (!std::isfinite(t.w[k]) || !std::isfinite(t.L1[k]) || !std::isfinite(t.sen[k]) ||
            !std::isfinite(t.cos[k])) {
            return false;
        }
    }
    return std::isfinite(t.sumL) && std::isfinite(t.sumWcos) && std::isfinite(t.sumWsen);
}

}  // namespace

bool prepareSlices(const SpencerInput& in, SliceTable& t) {
    // The geometry only sees R squared, but the moments take R as their arm: a negative radius
    // would turn the moment equation round.
    if (!(in.R > 0.0f) || !circleCutsFaceLine(in)) {
        return false;
    }
    const marvecos::GeometryInput geometryInput{in.H, in.L, in.XCR, in.YCR, in.R, double(in.N)};
    const marvecos::SliceGeometry g = marvecos::computeSliceGeometry(geometryInput);
    if (g.status != marvecos::GeometryStatus::Ok || g.slices != in.N || in.N > kMaxSlices) {
        return false;
    }
    const std::vector<double> DY = marvecos::soilHeights(g, in.L);
    const marvecos::SliceQuantities q = marvecos::sliceQuantities(g, DY, in.GAM);

    // The shared geometry works in double precision; the search works in single precision, as
    // the console program always has.
    t.caso = g.caso;
    t.n = in.N;
    for (int i = 1; i <= t.n + 1; ++i) {
        t.X[i] = float(g.X[i]);
        t.Y[i] = float(g.Y[i]);
        t.YS[i] = float(g.YS[i]);
        t.DY[i] = float(DY[i]);
    }
    for (int k = 1; k <= t.n; ++k) {
        t.dxx[k] = float(q.dxx[k]);
        t.A[k] = float(q.A[k]);
        t.L1[k] = float(q.L1[k]);
        t.w[k] = float(q.w[k]);
        // A vertical slice base has no inclination the interslice forces could be measured from.
        if (q.dxx[k] == 0.0 && t.L1[k] > 0.0f) {
            return false;
        }
        if (t.L1[k] > 0.0f) {
            t.sen[k] = float(q.sen[k]);
            t.cos[k] = float(q.cos[k]);
        }
    }
    t.sumL = float(q.sumL);
    t.sumWcos = float(q.sumWcos);
    t.sumWsen = float(q.sumWsen);
    // Without a driving weight toward the toe there is nothing to slide and no starting factor.
    return marvecos::drivesTowardToe(q) && allFinite(t) && t.sumWsen > 0.0f;
}

void updateAngles(SliceTable& t, float theta) {
    for (int k = 1; k <= t.n; ++k) {
        if (t.L1[k] > 0.0f) {
            t.alpha[k] = std::atan(t.sen[k] / t.cos[k]);
            t.cosAT[k] = std::cos(t.alpha[k] - theta);
            t.tanAT[k] = std::tan(t.alpha[k] - theta);
        }
    }
}

}  // namespace grenvil
