#include "marvecos/model/groundmodel.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

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

namespace {

bool finite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

std::string lineFault(const Polyline& line, const std::string& name) {
    if (line.x.size() < 2 || line.y.size() != line.x.size()) {
        return name + ": la linea necesita al menos dos puntos";
    }
    for (std::size_t i = 0; i < line.x.size(); ++i) {
        if (!finite({line.x[i], line.y[i]})) {
            return name + ": numero no valido";
        }
        if (i > 0 && !(line.x[i] > line.x[i - 1])) {
            return name + ": las x de los puntos deben crecer";
        }
    }
    return "";
}

}  // namespace

std::string groundModelFault(const GroundModel& model) {
    for (std::size_t i = 0; i < model.layers.size(); ++i) {
        const SoilLayer& layer = model.layers[i];
        const std::string name = "capa " + std::to_string(i + 1);
        if (!finite({layer.fi, layer.c, layer.gam})) {
            return name + ": numero no valido";
        }
        if (layer.fi < 0 || layer.fi > 89) {
            return name + ": el angulo de friccion debe estar entre 0 y 89 grados";
        }
        if (layer.c < 0 || layer.gam < 0) {
            return name + ": la cohesion y el peso especifico no pueden ser negativos";
        }
        const std::string fault = lineFault(layer.top, name);
        if (!fault.empty()) {
            return fault;
        }
    }
    if (model.base && !std::isfinite(*model.base)) {
        return "base: numero no valido";
    }
    if (model.water == WaterKind::Piezometric) {
        const std::string fault = lineFault(model.piezometric, "napa");
        if (!fault.empty()) {
            return fault;
        }
    }
    if (!(model.ru >= 0 && model.ru < 1)) {
        return "ru debe estar entre 0 y menos de 1";
    }
    if (!(model.kh >= 0 && model.kh < 1)) {
        return "kh debe estar entre 0 y menos de 1";
    }
    if (!(model.gamw > 0) || !std::isfinite(model.gamw)) {
        return "el peso especifico del agua debe ser positivo";
    }
    for (const StripLoad& s : model.strips) {
        if (!finite({s.x1, s.x2, s.q1, s.q2})) {
            return "carga: numero no valido";
        }
        if (!(s.x1 < s.x2)) {
            return "en una carga repartida x1 debe ser menor que x2";
        }
    }
    for (const LineLoad& p : model.lineLoads) {
        if (!finite({p.x, p.P})) {
            return "carga-lineal: numero no valido";
        }
    }
    return "";
}

}  // namespace marvecos
