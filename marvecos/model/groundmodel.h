#pragma once

// The ground of a slope beyond the single soil of the entry fields: layers, a base, ground
// water, loads on the surface and an earthquake coefficient. Qt-free, no files, no messages.
//
// Frame (the program's own): x to the right, y upward, metres (or feet: the program has no
// units of its own, it only needs them consistent). The crest edge is at (0, H), the toe at
// (L, 0); the ground is y = H for x <= 0, the face y = H - (H/L)*x, y = 0 for x >= L. The
// slope descends toward +x.
//
// Units as in the fields: angles in degrees, cohesion and pressures in kN/m2, unit weights in
// kN/m3, line loads in kN/m (per metre of slope).

#include <optional>
#include <string>
#include <vector>

namespace marvecos {

// A line through points of increasing x (at least two), extended horizontally beyond its ends.
struct Polyline {
    std::vector<double> x, y;
};

// y of the polyline at x: linear between its points, level beyond its ends.
double polylineAt(const Polyline& line, double x);

// A layer below the top soil: its soil and the boundary on top of it. A boundary above the
// ground, or above the boundary of the layer above, is taken down to it (the layer pinches out).
struct SoilLayer {
    double fi = 0;   // angle of internal friction, degrees
    double c = 0;    // cohesion, kN/m2
    double gam = 0;  // unit weight, kN/m3
    Polyline top;    // its top boundary
};

enum class WaterKind {
    None,
    Piezometric,  // u = gamw * max(0, y_water - y); water above the ground ponds on it
    PoreRatio,    // u = ru * vertical stress of the soil column above the point
};

// A vertical strip load, q1 at x1 varying linearly to q2 at x2 (kN/m2 of horizontal
// projection), x1 < x2.
struct StripLoad {
    double x1 = 0, x2 = 0;
    double q1 = 0, q2 = 0;
};

// A vertical line load P (kN/m) at x.
struct LineLoad {
    double x = 0;
    double P = 0;
};

// Unit weight of water by default, kN/m3.
constexpr double kWaterUnitWeight = 9.81;

// Everything but the top soil (fi, c, gam of the fields) and the slope (H, L).
struct GroundModel {
    std::vector<SoilLayer> layers;  // from the top down, below the top soil
    std::optional<double> base;     // level y where the lowest layer ends: no circle below it
    WaterKind water = WaterKind::None;
    Polyline piezometric;  // with WaterKind::Piezometric
    double ru = 0;         // with WaterKind::PoreRatio, 0 <= ru < 1
    double gamw = kWaterUnitWeight;
    std::vector<StripLoad> strips;
    std::vector<LineLoad> lineLoads;
    double kh = 0;  // horizontal seismic coefficient, force kh*W toward the toe (+x)
};

// True when the model adds nothing to the homogeneous dry slope of the fields: no layer, no
// base, no water (ru 0 counts as none), no load, kh 0. Such a problem is computed exactly as
// the fields alone are, files included.
bool usesNoNewInputs(const GroundModel& model);

// What is wrong with a model built by hand (the window's editor): "" when it is sound, else the
// first fault in words, as the data file refuses it: a line with fewer than two points, x not
// increasing, a number that is not finite, c or gam negative, fi outside 0..89, ru or kh
// outside 0..<1, gamw not positive, x1 >= x2 in a strip load.
std::string groundModelFault(const GroundModel& model);

// The soil of the fields as the top of the model, so that a layer index reads the same
// everywhere: 0 is the top soil, i >= 1 is model.layers[i - 1].
struct Soil {
    double fi = 0, c = 0, gam = 0;
};
Soil soilOfLayer(const GroundModel& model, const Soil& topSoil, int layer);

// Level of the top of layer `layer` (1..layers.size()) at x after it is taken down below the
// ground and the boundaries above it; layer 0's top is the ground itself.
double layerTopAt(const GroundModel& model, double ground, int layer, double x);

// The layer (0 top soil, i >= 1 model.layers[i - 1]) a point below the ground lies in.
int layerAt(const GroundModel& model, double ground, double x, double y);

}  // namespace marvecos
