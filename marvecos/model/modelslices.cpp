#include "marvecos/model/modelslices.h"

#include <algorithm>
#include <cmath>

#include "marvecos/geometry/slicequantities.h"

namespace marvecos {

namespace {

// The soil column at one side of a slice, cut into the parts of each layer: part j runs from
// lo[j] up to hi[j] (equal when the layer is not there).
struct Column {
    std::vector<double> lo, hi;
};

void cutColumn(const GroundModel& model, double x, double ground, double slip, Column& col) {
    const std::size_t parts = model.layers.size() + 1;
    col.lo.resize(parts);
    col.hi.resize(parts);
    double top = ground;
    for (std::size_t j = 0; j < parts; ++j) {
        const double bottom =
            j + 1 < parts ? std::min(top, polylineAt(model.layers[j].top, x)) : slip;
        col.hi[j] = std::max(top, slip);
        col.lo[j] = std::max(bottom, slip);
        top = bottom;
    }
}

// Vertical stress of the soil column above (x, y) under the ground level `ground`.
double soilStress(const GroundModel& model, const Soil& topSoil, double x, double ground,
                  double y) {
    double stress = 0;
    double top = ground;
    const int count = static_cast<int>(model.layers.size());
    for (int j = 0; j <= count && top > y; ++j) {
        const double bottom =
            j < count ? std::min(top, polylineAt(model.layers[static_cast<std::size_t>(j)].top, x))
                      : y;
        stress += soilOfLayer(model, topSoil, j).gam * (top - std::max(bottom, y));
        top = bottom;
    }
    return stress;
}

double porePressure(const GroundModel& model, const Soil& topSoil, double x, double ground,
                    double y) {
    switch (model.water) {
        case WaterKind::Piezometric:
            return model.gamw * std::max(0.0, polylineAt(model.piezometric, x) - y);
        case WaterKind::PoreRatio:
            return model.ru * soilStress(model, topSoil, x, ground, y);
        default:
            return 0;
    }
}

// Where a load varying linearly from qa to qb over [a, b] acts, from a.
double centreOfLinearLoad(double a, double b, double qa, double qb) {
    const double sum = qa + qb;
    return sum != 0 ? a + (b - a) * (qa + 2 * qb) / (3 * sum) : (a + b) / 2;
}

// Vertical surface load on [xL, xR] and its moment about x = 0 (force times x).
void surfaceLoad(const GroundModel& model, double xL, double xR, bool lastSlice, double& Q,
                 double& Qx) {
    Q = Qx = 0;
    for (const StripLoad& s : model.strips) {
        const double a = std::max(xL, s.x1);
        const double b = std::min(xR, s.x2);
        if (!(a < b)) {
            continue;
        }
        const double slope = (s.q2 - s.q1) / (s.x2 - s.x1);
        const double qa = s.q1 + slope * (a - s.x1);
        const double qb = s.q1 + slope * (b - s.x1);
        const double force = (qa + qb) / 2 * (b - a);
        Q += force;
        Qx += force * centreOfLinearLoad(a, b, qa, qb);
    }
    for (const LineLoad& p : model.lineLoads) {
        if ((p.x >= xL && p.x < xR) || (lastSlice && p.x == xR)) {
            Q += p.P;
            Qx += p.P * p.x;
        }
    }
}

// y of the centre of gravity of the parts of a column between two sides b apart, each part
// taken as a trapezoid between the lines joining its ends on the two sides.
double partMoment(double loL, double hiL, double loR, double hiR, double b) {
    const double top = (hiL * hiL + hiL * hiR + hiR * hiR) / 3;
    const double bottom = (loL * loL + loL * loR + loR * loR) / 3;
    return b / 2 * (top - bottom);
}

// Points along a base that crosses a layer boundary at which the layer is looked up.
constexpr int kBaseSamples = 16;

// The strength of the base of slice k: that of the layer at its middle when both its ends lie
// in that layer too. A base that crosses a layer boundary takes c and tan(fi) of each layer in
// proportion to its length in it, looked up at kBaseSamples points, so that the sum of the
// strengths converges as the slices get narrower instead of jumping by a whole slice's
// cohesion at each boundary.
void baseStrength(const GroundModel& model, const Soil& topSoil, const SliceGeometry& g, int k,
                  ModelSlices& s) {
    auto layerAlong = [&](double t) {
        const double x = g.X[k] + t * (g.X[k + 1] - g.X[k]);
        const double ground = g.YS[k] + t * (g.YS[k + 1] - g.YS[k]);
        const double y = g.Y[k] + t * (g.Y[k + 1] - g.Y[k]);
        return layerAt(model, ground, x, y);
    };
    const int middle = layerAlong(0.5);
    s.baseLayer[k] = middle;
    if (model.layers.empty() || (layerAlong(0) == middle && layerAlong(1) == middle)) {
        const Soil soil = soilOfLayer(model, topSoil, middle);
        s.c[k] = soil.c;
        s.fi[k] = soil.fi;
        s.tanFi[k] = frictionTangent(soil.fi);
        return;
    }
    double c = 0, tanFi = 0;
    for (int i = 0; i < kBaseSamples; ++i) {
        const Soil soil = soilOfLayer(model, topSoil, layerAlong((i + 0.5) / kBaseSamples));
        c += soil.c / kBaseSamples;
        tanFi += frictionTangent(soil.fi) / kBaseSamples;
    }
    s.c[k] = c;
    s.tanFi[k] = tanFi;
    s.fi[k] = std::atan(tanFi) * 180 / 3.1416;
}

void resizeAll(ModelSlices& s, int n) {
    const std::size_t size = static_cast<std::size_t>(n) + 1;
    for (std::vector<double>* v :
         {&s.xLeft,     &s.xRight,     &s.xMid,     &s.b,         &s.xBase, &s.yBase,
          &s.yBaseLeft, &s.yBaseRight, &s.yTopLeft, &s.yTopRight, &s.alpha, &s.sinA,
          &s.cosA,      &s.tanA,       &s.l,        &s.c,         &s.fi,    &s.tanFi,
          &s.u,         &s.W,          &s.Q,        &s.xQ,        &s.kW,    &s.yG,
          &s.pondV,     &s.pondH,      &s.xPond,    &s.yPond,     &s.pondM}) {
        v->assign(size, 0.0);
    }
    s.baseLayer.assign(size, 0);
}

bool reachesBelowBase(const SliceGeometry& g, const GroundModel& model, double R) {
    if (!model.base) {
        return false;
    }
    const double rounding = 1e-9 * std::max(1.0, std::fabs(R));
    for (int i = 1; i <= g.slices + 1; ++i) {
        if (g.Y[i] < *model.base - rounding) {
            return true;
        }
    }
    return false;
}

// The ponded water on the top of slice k, between ground points (xL, yL) and (xR, yR).
void pondOnTop(const GroundModel& model, double xL, double yL, double xR, double yR, ModelSlices& s,
               int k) {
    if (model.water != WaterKind::Piezometric) {
        return;
    }
    const double pL = model.gamw * std::max(0.0, polylineAt(model.piezometric, xL) - yL);
    const double pR = model.gamw * std::max(0.0, polylineAt(model.piezometric, xR) - yR);
    if (pL + pR <= 0) {
        return;
    }
    const double mean = (pL + pR) / 2;
    const double t = (pL + 2 * pR) / (3 * (pL + pR));  // centre of pressure along the top
    s.pondV[k] = mean * (xR - xL);
    s.pondH[k] = mean * (yL - yR);
    s.xPond[k] = xL + t * (xR - xL);
    s.yPond[k] = yL + t * (yR - yL);
    s.pondM[k] = s.pondV[k] * (s.Xcr - s.xPond[k]) - s.pondH[k] * (s.Ycr - s.yPond[k]);
}

}  // namespace

ModelSliceStatus modelSlices(const SliceGeometry& g, double Xcr, double Ycr, double R, double /*H*/,
                             double /*L*/, const Soil& topSoil, const GroundModel& model,
                             ModelSlices& s) {
    const int n = g.slices;
    s.slices = n;
    s.Xcr = Xcr;
    s.Ycr = Ycr;
    s.R = R;
    s.sumW = 0;
    resizeAll(s, n);
    if (reachesBelowBase(g, model, R)) {
        return ModelSliceStatus::BelowBase;
    }
    const int parts = static_cast<int>(model.layers.size()) + 1;
    thread_local Column left, right;
    cutColumn(model, g.X[1], g.YS[1], g.Y[1], right);
    for (int k = 1; k <= n; ++k) {
        std::swap(left, right);
        cutColumn(model, g.X[k + 1], g.YS[k + 1], g.Y[k + 1], right);
        const double xL = g.X[k], xR = g.X[k + 1];
        const double b = xR - xL;
        s.xLeft[k] = xL;
        s.xRight[k] = xR;
        s.xMid[k] = (xL + xR) / 2;
        s.b[k] = b;
        s.yBaseLeft[k] = g.Y[k];
        s.yBaseRight[k] = g.Y[k + 1];
        s.yTopLeft[k] = g.YS[k];
        s.yTopRight[k] = g.YS[k + 1];
        s.xBase[k] = s.xMid[k];
        s.yBase[k] = (g.Y[k] + g.Y[k + 1]) / 2;

        const double drop = g.Y[k] - g.Y[k + 1];
        s.l[k] = std::sqrt(b * b + drop * drop);
        if (b > 0) {
            s.sinA[k] = drop / s.l[k];
            s.cosA[k] = b / s.l[k];
            s.tanA[k] = s.sinA[k] / s.cosA[k];
            s.alpha[k] = std::atan2(drop, b);
        }

        double W = 0, moment = 0;
        for (int j = 0; j < parts; ++j) {
            const std::size_t p = static_cast<std::size_t>(j);
            const double gam = soilOfLayer(model, topSoil, j).gam;
            W += gam * ((left.hi[p] - left.lo[p]) + (right.hi[p] - right.lo[p])) / 2 * b;
            moment += gam * partMoment(left.lo[p], left.hi[p], right.lo[p], right.hi[p], b);
        }
        s.W[k] = W;
        s.sumW += W;
        s.yG[k] = W != 0 ? moment / W : s.yBase[k];
        s.kW[k] = model.kh * W;

        const double groundMid = (g.YS[k] + g.YS[k + 1]) / 2;
        baseStrength(model, topSoil, g, k, s);
        s.u[k] = porePressure(model, topSoil, s.xBase[k], groundMid, s.yBase[k]);

        double Q = 0, Qx = 0;
        surfaceLoad(model, xL, xR, k == n, Q, Qx);
        s.Q[k] = Q;
        s.xQ[k] = Q != 0 ? Qx / Q : s.xMid[k];
        pondOnTop(model, xL, g.YS[k], xR, g.YS[k + 1], s, k);
    }
    return ModelSliceStatus::Ok;
}

}  // namespace marvecos
