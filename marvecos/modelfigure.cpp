#include "marvecos/modelfigure.h"

#include <algorithm>
#include <cmath>

#include "common/numbertext.h"

namespace marvecos {

namespace {

// The window of slider factor s spans 1.1*s times the slope (slopefigure.cpp).
constexpr double kHalfSpan = 1.1 / 2;

// Samples across the shown width, besides the corners of every line: enough for a layer that
// pinches out under another to show where it does.
constexpr int kSamples = 400;

// Light fills of the soils, the top soil first; more layers than colours take them again.
constexpr unsigned kSoilFills[] = {0xF3E3B5, 0xCFE6C0, 0xE8CDB9, 0xD6D2EC,
                                   0xF2D3DC, 0xCDE9E6, 0xE9E6C4, 0xDCDCDC};

// Arrow lengths as parts of the slope's height: the largest strip load, a line load, kh.
constexpr double kStripArrowPart = 0.18;
constexpr double kLineArrowPart = 0.3;
constexpr double kQuakeArrowPart = 0.3;
// Arrows of a strip load stand about this far apart, as a part of the slope's length.
constexpr double kStripArrowStep = 0.06;

double groundAt(double H, double L, double x) {
    if (x <= 0) {
        return H;
    }
    if (x >= L) {
        return 0;
    }
    return H - H / L * x;
}

std::string number(double value) {
    return common::displayDouble(std::round(value * 1000) / 1000);
}

// x of the samples from left to right: the even steps and every corner in between.
std::vector<double> samplesBetween(double left, double right, const GroundModel& model, double L) {
    std::vector<double> xs;
    for (int k = 0; k <= kSamples; ++k) {
        xs.push_back(left + (right - left) * k / kSamples);
    }
    auto corner = [&](double x) {
        if (x > left && x < right) {
            xs.push_back(x);
        }
    };
    corner(0);
    corner(L);
    for (const SoilLayer& layer : model.layers) {
        std::for_each(layer.top.x.begin(), layer.top.x.end(), corner);
    }
    std::for_each(model.piezometric.x.begin(), model.piezometric.x.end(), corner);
    std::sort(xs.begin(), xs.end());
    return xs;
}

void grow(Extent& e, double x, double y) {
    e.left = std::min(e.left, x);
    e.right = std::max(e.right, x);
    e.bottom = std::min(e.bottom, y);
    e.top = std::max(e.top, y);
}

std::string soilText(const std::string& name, double fi, double c, double gam) {
    return name + ": fi=" + number(fi) + "º  c=" + number(c) + " kN/m2  gam=" + number(gam) +
           " kN/m3";
}

// The soils from the ground down, each between its top and the top of the one below.
void addSoils(ModelFigure& f, const SlopeProblem& p, const GroundModel& model,
              const std::vector<double>& xs, double bottom, double dx, double dy) {
    const int count = static_cast<int>(model.layers.size()) + 1;
    auto topOf = [&](int layer, double x) {
        const double ground = groundAt(p.H, p.L, x);
        double y = bottom;
        if (layer == 0) {
            y = ground;
        } else if (layer < count) {
            y = layerTopAt(model, ground, layer, x);
        } else if (model.base) {
            y = std::min(*model.base, ground);
        }
        return model.base ? std::max(y, std::min(*model.base, ground)) : std::max(y, bottom);
    };
    for (int layer = 0; layer < count; ++layer) {
        FigurePolygon soil;
        soil.rgb = kSoilFills[static_cast<std::size_t>(layer) % std::size(kSoilFills)];
        for (double x : xs) {
            soil.x.push_back(x - dx);
            soil.y.push_back(topOf(layer, x) - dy);
        }
        for (auto x = xs.rbegin(); x != xs.rend(); ++x) {
            soil.x.push_back(*x - dx);
            soil.y.push_back(topOf(layer + 1, *x) - dy);
        }
        f.soils.push_back(soil);
        const Soil s = soilOfLayer(model, {p.fi, p.c, p.gam}, layer);
        f.legend.push_back(
            {soil.rgb, soilText(layer == 0 ? std::string("Suelo") : "Capa " + std::to_string(layer),
                                s.fi, s.c, s.gam)});
        if (layer >= 1) {
            for (std::size_t k = 1; k < xs.size(); ++k) {
                const double y1 = topOf(layer, xs[k - 1]), y2 = topOf(layer, xs[k]);
                const bool onGround =
                    y1 >= groundAt(p.H, p.L, xs[k - 1]) && y2 >= groundAt(p.H, p.L, xs[k]);
                if (!onGround) {
                    f.boundaries.push_back({xs[k - 1] - dx, y1 - dy, xs[k] - dx, y2 - dy,
                                            kSliceColor, FigureStyle::Solid});
                }
            }
        }
    }
    if (model.base) {
        f.base.push_back({xs.front() - dx, *model.base - dy, xs.back() - dx, *model.base - dy,
                          kBaseColor, FigureStyle::Solid});
        f.legend.push_back({0, "Base: y=" + number(*model.base) + " m"});
    }
}

// The line itself, its mark, and the water standing where it lies above the ground.
void addWater(ModelFigure& f, const SlopeProblem& p, const GroundModel& model,
              const std::vector<double>& xs, double dx, double dy) {
    if (model.water == WaterKind::PoreRatio) {
        f.legend.push_back({0, "Presion intersticial: ru=" + number(model.ru)});
        return;
    }
    if (model.water != WaterKind::Piezometric || model.piezometric.x.size() < 2) {
        return;
    }
    f.legend.push_back({0, "Agua: gamw=" + number(model.gamw) + " kN/m3"});
    FigurePolygon pond;
    pond.rgb = kPondFill;
    std::vector<double> top, bottom;
    auto closePond = [&] {
        if (pond.x.size() >= 2) {
            for (std::size_t k = bottom.size(); k-- > 0;) {
                pond.x.push_back(pond.x[k]);
                pond.y.push_back(bottom[k]);
            }
            f.ponds.push_back(pond);
        }
        pond.x.clear();
        pond.y.clear();
        bottom.clear();
    };
    for (std::size_t k = 0; k < xs.size(); ++k) {
        const double x = xs[k];
        const double yw = polylineAt(model.piezometric, x);
        const double yg = groundAt(p.H, p.L, x);
        if (k > 0) {
            const double xp = xs[k - 1];
            const double ywp = polylineAt(model.piezometric, xp);
            f.water.push_back(
                {xp - dx, ywp - dy, x - dx, yw - dy, kWaterColor, FigureStyle::Solid});
            const double hp = ywp - groundAt(p.H, p.L, xp), h = yw - yg;
            // Where the water meets the ground between two samples, the pond starts or ends.
            if ((hp > 0) != (h > 0) && hp != h) {
                const double t = hp / (hp - h);
                const double xc = xp + t * (x - xp);
                const double yc = ywp + t * (yw - ywp);
                pond.x.push_back(xc - dx);
                pond.y.push_back(yc - dy);
                bottom.push_back(yc - dy);
                if (h <= 0) {
                    closePond();
                }
            }
        }
        if (yw > yg) {
            pond.x.push_back(x - dx);
            pond.y.push_back(yw - dy);
            bottom.push_back(yg - dy);
        }
    }
    closePond();
    // The mark stands over the crest, a third of the way in from the left of the picture.
    const double xMark = xs.front() + (std::min(0.0, xs.back()) - xs.front()) * 2 / 3;
    f.waterMark = FigureText{xMark - dx, polylineAt(model.piezometric, xMark) - dy, "NF"};
}

void addLoads(ModelFigure& f, const SlopeProblem& p, const GroundModel& model, double dx,
              double dy) {
    double largest = 0;
    for (const StripLoad& s : model.strips) {
        largest = std::max({largest, std::abs(s.q1), std::abs(s.q2)});
    }
    const double size = std::max(std::abs(p.H), std::abs(p.L) / 4);
    for (const StripLoad& s : model.strips) {
        // Clamped as a double first: a strip far wider than the slope must not overflow an int.
        const double steps = std::round((s.x2 - s.x1) / (kStripArrowStep * p.L)) + 1;
        const int arrows =
            std::isfinite(steps) ? static_cast<int>(std::clamp(steps, 2.0, 60.0)) : 2;
        for (int k = 0; k < arrows; ++k) {
            const double x = s.x1 + (s.x2 - s.x1) * k / (arrows - 1);
            const double q = s.q1 + (s.q2 - s.q1) * k / (arrows - 1);
            const double length = largest > 0 ? kStripArrowPart * size * q / largest : 0;
            const double y = groundAt(p.H, p.L, x);
            f.arrows.push_back({x - dx, y + std::abs(length) - dy, x - dx, y - dy, kLoadColor});
            if (length < 0) {
                std::swap(f.arrows.back().y1, f.arrows.back().y2);
            }
        }
        const double top = groundAt(p.H, p.L, s.x1) + kStripArrowPart * size;
        std::string value = number(s.q1);
        if (s.q2 != s.q1) {
            value += " a " + number(s.q2);
        }
        f.values.push_back({(s.x1 + s.x2) / 2 - dx, top - dy, value + " kN/m2"});
    }
    for (const LineLoad& l : model.lineLoads) {
        const double y = groundAt(p.H, p.L, l.x);
        const double length = kLineArrowPart * size;
        f.arrows.push_back({l.x - dx, y + length - dy, l.x - dx, y - dy, kLoadColor});
        if (l.P < 0) {
            std::swap(f.arrows.back().y1, f.arrows.back().y2);
        }
        f.values.push_back({l.x - dx, y + length - dy, number(l.P) + " kN/m"});
    }
}

// kh as an arrow toward the toe from the middle of the sliding mass (of the slope without one).
void addQuake(ModelFigure& f, const SlopeProblem& p, const GroundModel& model,
              const std::optional<SliceGeometry>& g, double dx, double dy) {
    if (model.kh == 0) {
        return;
    }
    double x = p.L / 2, y = p.H / 2;
    if (g && g->slices > 0) {
        double sx = 0, sy = 0;
        for (int i = 1; i <= g->slices + 1; ++i) {
            const auto k = static_cast<std::size_t>(i);
            sx += g->X[k];
            sy += (g->Y[k] + g->YS[k]) / 2;
        }
        x = sx / (g->slices + 1);
        y = sy / (g->slices + 1);
    }
    const double length = kQuakeArrowPart * std::max(std::abs(p.H), std::abs(p.L) / 4);
    f.arrows.push_back({x - dx, y - dy, x + length - dx, y - dy, kQuakeColor});
    f.values.push_back({x + length / 2 - dx, y - dy, "kh=" + number(model.kh)});
}

void addCircle(ModelFigure& f, const SlopeProblem& p, const std::optional<SliceGeometry>& g,
               double dx, double dy) {
    if (!g || g->slices <= 0) {
        return;
    }
    f.circle = FigureCircle{p.Xcr - dx, p.Ycr - dy, p.R};
    for (int i = 2; i <= g->slices; ++i) {
        const auto k = static_cast<std::size_t>(i);
        f.slices.push_back({g->X[k] - dx, g->Y[k] - dy, g->X[k] - dx, g->YS[k] - dy, kSliceColor,
                            FigureStyle::Solid});
    }
}

}  // namespace

UserWindow equalScaleWindow(const UserWindow& wanted, double widthPixels, double heightPixels) {
    const double width = wanted.right - wanted.left, height = wanted.top - wanted.bottom;
    if (!(widthPixels > 0 && heightPixels > 0) || width == 0 || height == 0) {
        return wanted;
    }
    const double acrossPerPixel = std::abs(width) / widthPixels;
    const double upPerPixel = std::abs(height) / heightPixels;
    UserWindow w = wanted;
    if (acrossPerPixel > upPerPixel) {
        const double middle = (wanted.top + wanted.bottom) / 2;
        const double half = std::copysign(acrossPerPixel * heightPixels / 2, height);
        w.top = middle + half;
        w.bottom = middle - half;
    } else {
        const double middle = (wanted.left + wanted.right) / 2;
        const double half = std::copysign(upPerPixel * widthPixels / 2, width);
        w.right = middle + half;
        w.left = middle - half;
    }
    return w;
}

double scaleToShow(const Extent& box, double H, double L, double widthPixels, double heightPixels) {
    if (!(H * L > 0) || !(widthPixels > 0 && heightPixels > 0)) {
        return 0;
    }
    const double aspect = widthPixels / heightPixels;
    const double across = std::max(std::abs(box.left), std::abs(box.right));
    const double up = std::max(std::abs(box.bottom), std::abs(box.top));
    const double s =
        std::max(across, up * aspect) / (kHalfSpan * std::max(std::abs(L), std::abs(H) * aspect));
    return std::isfinite(s) ? s : 0;
}

Extent problemExtent(const SlopeProblem& p, const GroundModel& model,
                     const std::optional<SliceGeometry>& g) {
    const double dx = p.L / 2, dy = p.H / 2;
    Extent e{-std::abs(dx), std::abs(dx), -std::abs(dy), std::abs(dy)};
    auto add = [&](double x, double y) {
        if (std::isfinite(x) && std::isfinite(y)) {
            grow(e, x - dx, y - dy);
        }
    };
    if (g && g->slices > 0) {
        add(p.Xcr, p.Ycr);
        for (int i = 1; i <= g->slices + 1; ++i) {
            add(g->X[static_cast<std::size_t>(i)], g->Y[static_cast<std::size_t>(i)]);
        }
    }
    for (const SoilLayer& layer : model.layers) {
        for (std::size_t k = 0; k < layer.top.x.size(); ++k) {
            add(layer.top.x[k], layer.top.y[k]);
        }
    }
    if (model.water == WaterKind::Piezometric) {
        for (std::size_t k = 0; k < model.piezometric.x.size(); ++k) {
            add(model.piezometric.x[k], model.piezometric.y[k]);
        }
    }
    if (model.base) {
        add(p.L / 2, *model.base);
    }
    for (const StripLoad& s : model.strips) {
        add(s.x1, groundAt(p.H, p.L, s.x1));
        add(s.x2, groundAt(p.H, p.L, s.x2));
    }
    for (const LineLoad& l : model.lineLoads) {
        add(l.x, groundAt(p.H, p.L, l.x));
    }
    return e;
}

ModelFigure modelFigure(const SlopeProblem& p, const GroundModel& model,
                        const std::optional<SliceGeometry>& g, const UserWindow& shown) {
    ModelFigure f;
    if (!(p.H > 0 && p.L > 0) || !std::isfinite(p.H * p.L)) {
        return f;
    }
    const double dx = p.L / 2, dy = p.H / 2;
    const double left = std::min(shown.left, shown.right) + dx;
    const double right = std::max(shown.left, shown.right) + dx;
    const double bottom = std::min(shown.top, shown.bottom) + dy;
    if (!std::isfinite(left) || !std::isfinite(right) || !(left < right)) {
        return f;
    }
    const std::vector<double> xs = samplesBetween(left, right, model, p.L);
    addSoils(f, p, model, xs, bottom, dx, dy);
    addWater(f, p, model, xs, dx, dy);
    addLoads(f, p, model, dx, dy);
    addQuake(f, p, model, g, dx, dy);
    addCircle(f, p, g, dx, dy);
    return f;
}

}  // namespace marvecos
