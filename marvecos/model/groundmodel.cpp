#include "marvecos/model/groundmodel.h"

#include <algorithm>

namespace marvecos {

double polylineAt(const Polyline& line, double x) {
    const std::size_t n = line.x.size();
    if (n == 0) {
        return 0;
    }
    if (x <= line.x.front()) {
        return line.y.front();
    }
    if (x >= line.x.back()) {
        return line.y.back();
    }
    const std::size_t j = static_cast<std::size_t>(
        std::upper_bound(line.x.begin(), line.x.end(), x) - line.x.begin());
    const double x0 = line.x[j - 1], x1 = line.x[j];
    const double y0 = line.y[j - 1], y1 = line.y[j];
    return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

bool usesNoNewInputs(const GroundModel& model) {
    const bool noWater =
        model.water == WaterKind::None || (model.water == WaterKind::PoreRatio && model.ru == 0);
    return model.layers.empty() && !model.base && noWater && model.strips.empty() &&
           model.lineLoads.empty() && model.kh == 0;
}

Soil soilOfLayer(const GroundModel& model, const Soil& topSoil, int layer) {
    if (layer <= 0) {
        return topSoil;
    }
    const SoilLayer& s = model.layers[static_cast<std::size_t>(layer - 1)];
    return Soil{s.fi, s.c, s.gam};
}

double layerTopAt(const GroundModel& model, double ground, int layer, double x) {
    double top = ground;
    for (int i = 1; i <= layer; ++i) {
        top = std::min(top, polylineAt(model.layers[static_cast<std::size_t>(i - 1)].top, x));
    }
    return top;
}

int layerAt(const GroundModel& model, double ground, double x, double y) {
    double top = ground;
    const int count = static_cast<int>(model.layers.size());
    for (int i = 1; i <= count; ++i) {
        top = std::min(top, polylineAt(model.layers[static_cast<std::size_t>(i - 1)].top, x));
        if (y > top) {
            return i - 1;
        }
    }
    return count;
}

}  // namespace marvecos
