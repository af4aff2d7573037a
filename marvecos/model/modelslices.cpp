#include "marvecos/model/modelslices.h"

#include <algorithm>
#include <cmath>

#include "marvecos/geometry/slicequantities.h"

namespace marvecos {

namespace {

// Points along a base that crosses a layer boundary at which the layer is looked up.
constexpr int kBaseSamples = 16;

// The soils of the model by layer index (0 the top soil), with tan(fi) worked out once.
struct LayerSoils {
    std::vector<Soil> soil;
    std::vector<double> tanFi;
};

void layerSoils(const GroundModel& model, const Soil& topSoil, LayerSoils& out) {
    const std::size_t parts = model.layers.size() + 1;
    out.soil.resize(parts);
    out.tanFi.resize(parts);
    for (std::size_t j = 0; j < parts; ++j) {
        const Soil soil = soilOfLayer(model, topSoil, static_cast<int>(j));
        // A search asks for the same soils circle after circle: the tangent only when fi changes.
        if (soil.fi != out.soil[j].fi || out.tanFi[j] == 0) {
            out.tanFi[j] = frictionTangent(soil.fi);
        }
        out.soil[j] = soil;
    }
}

// The line at every side of a slice (increasing x), written to out[i * stride + offset]:
// one walk along the line and the sides together, its points being few.
void lineAtSides(const Polyline& line, const SliceGeometry& g, std::vector<double>& out,
                 std::size_t stride, std::size_t offset) {
    if (line.x.size() < 2 || line.y.size() != line.x.size()) {
        // Not a line the file or the window lets through; level at its one point, if any.
        for (int i = 1; i <= g.slices + 1; ++i) {
            out[static_cast<std::size_t>(i) * stride + offset] = line.y.empty() ? 0 : line.y[0];
        }
        return;
    }
    const std::size_t last = line.x.size() - 1;
    std::size_t j = 0;  // the segment from point j to point j + 1
    double slope = (line.y[1] - line.y[0]) / (line.x[1] - line.x[0]);
    for (int i = 1; i <= g.slices + 1; ++i) {
        const double x = g.X[i];
        if (j + 1 < last && x > line.x[j + 1]) {
            while (j + 1 < last && x > line.x[j + 1]) {
                ++j;
            }
            slope = (line.y[j + 1] - line.y[j]) / (line.x[j + 1] - line.x[j]);
        }
        double y = 0;
        if (x <= line.x.front()) {
            y = line.y.front();
        } else if (x >= line.x.back()) {
            y = line.y.back();
        } else {
            y = line.y[j] + slope * (x - line.x[j]);
        }
        out[static_cast<std::size_t>(i) * stride + offset] = y;
    }
}

// The layer boundaries (as given, before they are taken down) and the piezometric line at
// every side of a slice.
void valuesAtSides(const SliceGeometry& g, const GroundModel& model, ModelSlices& s) {
    const std::size_t layers = model.layers.size();
    const std::size_t sides = static_cast<std::size_t>(g.slices) + 2;
    s.boundaryAtSides.resize(sides * std::max<std::size_t>(1, layers));
    s.waterAtSides.resize(sides);
    for (std::size_t j = 0; j < layers; ++j) {
        lineAtSides(model.layers[j].top, g, s.boundaryAtSides, layers, j);
    }
    if (model.water == WaterKind::Piezometric) {
        lineAtSides(model.piezometric, g, s.waterAtSides, 1, 0);
    }
}

// The soil column at side i cut into the parts of each layer: part j runs from lo[j] up to
// hi[j] (equal when the layer is not there). Each boundary is taken down below the ground and
// the boundaries above it.
// Gives the layer the slip surface lies in at that side.
int cutColumn(const SliceGeometry& g, const ModelSlices& s, int i, std::size_t layers,
              std::vector<double>& lo, std::vector<double>& hi) {
    const double slip = g.Y[i];
    double top = g.YS[i];
    int slipLayer = static_cast<int>(layers);
    for (std::size_t j = 0; j <= layers; ++j) {
        const double bottom =
            j < layers ? std::min(top, s.boundaryAtSides[static_cast<std::size_t>(i) * layers + j])
                       : slip;
        if (slip > bottom && slipLayer == static_cast<int>(layers)) {
            slipLayer = static_cast<int>(j);
        }
        hi[j] = std::max(top, slip);
        lo[j] = std::max(bottom, slip);
        top = bottom;
    }
    return slipLayer;
}

// The layer a point lies in when the boundaries run straight between the two sides of the
// slice, t of the way from the left side: 0 the top soil, i >= 1 layer i.
int layerBetweenSides(const ModelSlices& s, int k, std::size_t layers, double t, double ground,
                      double y) {
    double top = ground;
    const std::size_t left = static_cast<std::size_t>(k) * layers;
    for (std::size_t j = 0; j < layers; ++j) {
        const double boundary =
            s.boundaryAtSides[left + j] +
            t * (s.boundaryAtSides[left + layers + j] - s.boundaryAtSides[left + j]);
        top = std::min(top, boundary);
        if (y > top) {
            return static_cast<int>(j);
        }
    }
    return static_cast<int>(layers);
}

// The strength of the base of slice k: that of the layer at its middle when both its ends lie
// in that layer too. A base that crosses a layer boundary takes c and tan(fi) of each layer in
// proportion to its length in it, looked up at kBaseSamples points, so that the sum of the
// strengths converges as the slices get narrower instead of jumping by a whole slice's
// cohesion at each boundary.
void baseStrength(const SliceGeometry& g, const LayerSoils& soils, std::size_t layers, int k,
                  int leftLayer, int rightLayer, ModelSlices& s) {
    auto layerAlong = [&](double t) {
        const double ground = g.YS[k] + t * (g.YS[k + 1] - g.YS[k]);
        const double y = g.Y[k] + t * (g.Y[k + 1] - g.Y[k]);
        return layerBetweenSides(s, k, layers, t, ground, y);
    };
    const int middle = layers == 0 ? 0 : layerAlong(0.5);
    s.baseLayer[k] = middle;
    if (layers == 0 || (leftLayer == middle && rightLayer == middle)) {
        s.c[k] = soils.soil[static_cast<std::size_t>(middle)].c;
        s.fi[k] = soils.soil[static_cast<std::size_t>(middle)].fi;
        s.tanFi[k] = soils.tanFi[static_cast<std::size_t>(middle)];
        return;
    }
    double c = 0, tanFi = 0;
    for (int i = 0; i < kBaseSamples; ++i) {
        const std::size_t layer = static_cast<std::size_t>(layerAlong((i + 0.5) / kBaseSamples));
        c += soils.soil[layer].c / kBaseSamples;
        tanFi += soils.tanFi[layer] / kBaseSamples;
    }
    s.c[k] = c;
    s.tanFi[k] = tanFi;
    s.fi[k] = std::atan(tanFi) * 180 / 3.1416;
}

// Vertical stress of the soil column above the middle of the base of slice k.
double soilStressAtBase(const SliceGeometry& g, const ModelSlices& s, const LayerSoils& soils,
                        std::size_t layers, int k) {
    const double y = s.yBase[k];
    double top = (g.YS[k] + g.YS[k + 1]) / 2;
    double stress = 0;
    const std::size_t left = static_cast<std::size_t>(k) * layers;
    for (std::size_t j = 0; j <= layers && top > y; ++j) {
        const double bottom =
            j < layers
                ? std::min(top,
                           (s.boundaryAtSides[left + j] + s.boundaryAtSides[left + layers + j]) / 2)
                : y;
        stress += soils.soil[j].gam * (top - std::max(bottom, y));
        top = bottom;
    }
    return stress;
}

// Pore pressure at the middle of the base of slice k; the piezometric line runs straight
// between the sides of the slice, as the ground and the layer boundaries do.
double porePressure(const SliceGeometry& g, const GroundModel& model, const ModelSlices& s,
                    const LayerSoils& soils, std::size_t layers, int k) {
    switch (model.water) {
        case WaterKind::Piezometric: {
            const double water = (s.waterAtSides[k] + s.waterAtSides[k + 1]) / 2;
            return model.gamw * std::max(0.0, water - s.yBase[k]);
        }
        case WaterKind::PoreRatio:
            return model.ru * soilStressAtBase(g, s, soils, layers, k);
        default:
            return 0;
    }
}

// Where a load varying linearly from qa to qb over [a, b] acts.
double centreOfLinearLoad(double a, double b, double qa, double qb) {
    const double sum = qa + qb;
    return sum != 0 ? a + (b - a) * (qa + 2 * qb) / (3 * sum) : (a + b) / 2;
}

// Vertical surface load on [xL, xR] and its moment about x = 0 (force times x).
void surfaceLoad(const GroundModel& model, double xL, double xR, bool lastSlice, double& Q,
                 double& Qx) {
    Q = Qx = 0;
    for (const StripLoad& strip : model.strips) {
        const double a = std::max(xL, strip.x1);
        const double b = std::min(xR, strip.x2);
        if (!(a < b)) {
            continue;
        }
        const double slope = (strip.q2 - strip.q1) / (strip.x2 - strip.x1);
        const double qa = strip.q1 + slope * (a - strip.x1);
        const double qb = strip.q1 + slope * (b - strip.x1);
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

// Moment about y = 0 (area times y) of a part of a column between two sides b apart, taken as
// the trapezoid between the lines joining its ends on the two sides.
double partMoment(double loL, double hiL, double loR, double hiR, double b) {
    const double top = (hiL * hiL + hiL * hiR + hiR * hiR) / 3;
    const double bottom = (loL * loL + loL * loR + loR * loR) / 3;
    return b / 2 * (top - bottom);
}

void resizeAll(ModelSlices& s, int n) {
    const std::size_t size = static_cast<std::size_t>(n) + 1;
    if (s.W.size() == size) {
        return;  // circle after circle of the same number of slices
    }
    for (std::vector<double>* v :
         {&s.xLeft,     &s.xRight,     &s.xMid,     &s.b,         &s.xBase,    &s.yBase,
          &s.yBaseLeft, &s.yBaseRight, &s.yTopLeft, &s.yTopRight, &s.sinA,     &s.cosA,
          &s.tanA,      &s.l,          &s.c,        &s.fi,        &s.tanFi,    &s.u,
          &s.W,         &s.Q,          &s.xQ,       &s.kW,        &s.yG,       &s.pondV,
          &s.pondH,     &s.xPond,      &s.yPond,    &s.pondM,     &s.resisting}) {
        v->resize(size);
    }
    s.baseLayer.resize(size);
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

// The ponded water on the top of slice k, whose pressure gamw*(y_water - y_ground) runs
// linearly from one side to the other.
void pondOnTop(const SliceGeometry& g, const GroundModel& model, ModelSlices& s, int k) {
    s.pondV[k] = s.pondH[k] = s.pondM[k] = 0;
    s.xPond[k] = s.xMid[k];
    s.yPond[k] = (g.YS[k] + g.YS[k + 1]) / 2;
    if (model.water != WaterKind::Piezometric) {
        return;
    }
    const double pL = model.gamw * std::max(0.0, s.waterAtSides[k] - g.YS[k]);
    const double pR = model.gamw * std::max(0.0, s.waterAtSides[k + 1] - g.YS[k + 1]);
    if (pL + pR <= 0) {
        return;
    }
    const double mean = (pL + pR) / 2;
    const double t = (pL + 2 * pR) / (3 * (pL + pR));  // centre of pressure along the top
    s.pondV[k] = mean * s.b[k];
    s.pondH[k] = mean * (g.YS[k] - g.YS[k + 1]);
    s.xPond[k] = g.X[k] + t * s.b[k];
    s.yPond[k] = g.YS[k] + t * (g.YS[k + 1] - g.YS[k]);
    s.pondM[k] = s.pondV[k] * (s.Xcr - s.xPond[k]) - s.pondH[k] * (s.Ycr - s.yPond[k]);
}

// Weight of slice k, the sum of its parts of every layer, and the y of its centre of gravity.
void weightOfParts(const LayerSoils& soils, std::size_t layers, ModelSlices& s, int k) {
    const double b = s.b[k];
    double W = 0, moment = 0;
    for (std::size_t j = 0; j <= layers; ++j) {
        if (s.leftHi[j] == s.leftLo[j] && s.rightHi[j] == s.rightLo[j]) {
            continue;  // the layer is not in this slice
        }
        const double gam = soils.soil[j].gam;
        W += gam * ((s.leftHi[j] - s.leftLo[j]) + (s.rightHi[j] - s.rightLo[j])) / 2 * b;
        moment += gam * partMoment(s.leftLo[j], s.leftHi[j], s.rightLo[j], s.rightHi[j], b);
    }
    s.W[k] = W;
    s.yG[k] = W != 0 ? moment / W : s.yBase[k];
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
    thread_local LayerSoils soils;
    layerSoils(model, topSoil, soils);
    const std::size_t layers = model.layers.size();
    valuesAtSides(g, model, s);
    for (std::vector<double>* v : {&s.leftLo, &s.leftHi, &s.rightLo, &s.rightHi}) {
        v->resize(layers + 1);
    }
    int rightLayer = cutColumn(g, s, 1, layers, s.rightLo, s.rightHi);
    for (int k = 1; k <= n; ++k) {
        std::swap(s.leftLo, s.rightLo);
        std::swap(s.leftHi, s.rightHi);
        const int leftLayer = rightLayer;
        rightLayer = cutColumn(g, s, k + 1, layers, s.rightLo, s.rightHi);
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
        s.sinA[k] = s.cosA[k] = s.tanA[k] = 0;
        if (b > 0) {
            const double perLength = 1 / s.l[k];
            s.sinA[k] = drop * perLength;
            s.cosA[k] = b * perLength;
            s.tanA[k] = drop / b;
        }

        weightOfParts(soils, layers, s, k);
        s.sumW += s.W[k];
        s.kW[k] = model.kh * s.W[k];
        baseStrength(g, soils, layers, k, leftLayer, rightLayer, s);
        s.u[k] = porePressure(g, model, s, soils, layers, k);

        double Q = 0, Qx = 0;
        surfaceLoad(model, xL, xR, k == n, Q, Qx);
        s.Q[k] = Q;
        s.xQ[k] = Q != 0 ? Qx / Q : s.xMid[k];
        pondOnTop(g, model, s, k);
        s.resisting[k] = s.c[k] * b + (s.W[k] + Q + s.pondV[k] - s.u[k] * b) * s.tanFi[k];
    }
    return ModelSliceStatus::Ok;
}

}  // namespace marvecos
