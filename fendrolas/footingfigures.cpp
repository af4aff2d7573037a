#include "fendrolas/footingfigures.h"

#include <algorithm>
#include <cmath>

#include "common/fieldvalue.h"
#include "common/patterntext.h"

namespace fendrolas {

namespace {

using common::Figure;
using common::FigurePoint;
using common::Rgb;
using common::TextAnchor;

constexpr Rgb kEffectiveGreen{120, 200, 120};
constexpr Rgb kLoadRed{220, 0, 0};
constexpr Rgb kConcrete{215, 215, 215};

std::string metres(double value) {
    return common::formatPattern(value, "####0.00") + " m";
}

void rectangle(Figure& f, double x1, double y1, double x2, double y2, Rgb stroke,
               bool filled = false, Rgb fill = common::kWhite) {
    f.polygon({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, stroke, filled, fill);
}

// A dimension line with arrows at both ends and its label beside its middle.
void dimension(Figure& f, FigurePoint a, FigurePoint b, const std::string& label,
               FigurePoint labelAt, TextAnchor anchor) {
    const FigurePoint middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
    f.arrow(middle, a);
    f.arrow(middle, b);
    f.text(labelAt, label, common::kBlack, anchor);
}

float field(const common::FieldTexts& fields, const std::string& name) {
    return common::toSingle(common::fieldValue(fields.text(name)));
}

bool usable(double length) {
    return std::isfinite(length) && length > 0;
}

}  // namespace

EffectiveRectangle effectiveRectangle(double Lx, double Ly, double ex, double ey) {
    return {std::min(2 * std::abs(ex), Lx), std::min(2 * std::abs(ey), Ly), Lx, Ly};
}

common::Figure footingSketchFigure(double Lx, double Ly, double df, const WaterTable& water,
                                   bool withValues) {
    const auto named = [withValues](const std::string& name, double value) {
        return withValues ? name + " = " + metres(value) : name;
    };
    if (!usable(Lx) || !usable(Ly) || !std::isfinite(df) || df < 0) {
        return Figure();
    }
    const double size = std::max(Lx, Ly);
    const double gap = 0.6 * size;
    const double depth = std::max(df, 0.2 * size);
    const double top = std::max(Ly, 0.3 * size);
    // Room below for the water table and its label, on the right for the label of df.
    const bool showWater = water.present && std::isfinite(water.dw);
    const double lowest = showWater ? std::max(depth, std::min(double(water.dw), 3 * size)) : depth;
    const double bottom = -lowest - 0.35 * size;
    Figure f(-0.35 * size, bottom, 2 * Lx + gap + 0.95 * size, top + 0.2 * size, true);

    // Plan: the base with its column in the middle and the sides Lx and Ly.
    const double col = 0.2 * std::min(Lx, Ly);
    rectangle(f, 0, 0, Lx, Ly, common::kBlack);
    rectangle(f, Lx / 2 - col / 2, Ly / 2 - col / 2, Lx / 2 + col / 2, Ly / 2 + col / 2,
              common::kBlack, true, kConcrete);
    dimension(f, {0, -0.1 * size}, {Lx, -0.1 * size}, named("Lx", Lx), {Lx / 2, -0.2 * size},
              TextAnchor::Centre);
    dimension(f, {-0.1 * size, 0}, {-0.1 * size, Ly}, "Ly", {-0.3 * size, Ly / 2},
              TextAnchor::Left);
    f.text({0, Ly + 0.1 * size}, withValues ? "Planta  Ly = " + metres(Ly) : "Planta");

    // Section: ground surface at y = 0, base at -df, column up past the ground.
    const double x0 = Lx + gap;
    const double thick = std::min(0.4 * depth, 0.15 * size);
    f.line({x0 - 0.25 * size, 0}, {x0 + Lx + 0.25 * size, 0});
    rectangle(f, x0, -df, x0 + Lx, -df + thick, common::kBlack, true, kConcrete);
    rectangle(f, x0 + Lx / 2 - col / 2, -df + thick, x0 + Lx / 2 + col / 2, 0.15 * size,
              common::kBlack, true, kConcrete);
    dimension(f, {x0 + Lx + 0.15 * size, 0}, {x0 + Lx + 0.15 * size, -df}, named("df", df),
              {x0 + Lx + 0.2 * size, -df / 2}, TextAnchor::Left);
    f.text({x0, top + 0.1 * size}, "Corte");
    if (showWater) {
        const double dw = water.dw;
        f.line({x0 - 0.25 * size, -dw}, {x0 + Lx + 0.25 * size, -dw}, common::kWaterBlue, true);
        f.text({x0 - 0.25 * size, -dw - 0.08 * size}, named("napa dw", dw), common::kWaterBlue);
    }
    return f;
}

double effectivePlanGap(double Lx) {
    return 0.25 * Lx;
}

namespace {

// Plan i of the effective areas with its left edge at x0.
void effectivePlan(Figure& f, double x0, double Lx, double Ly, int i, double V, double Mxz,
                   double Myz) {
    if (V != 0) {
        const double ex = std::abs(Mxz / V);
        const double ey = std::abs(Myz / V);
        const EffectiveRectangle r = effectiveRectangle(Lx, Ly, ex, ey);
        rectangle(f, x0 + r.x1, r.y1, x0 + r.x2, r.y2, kEffectiveGreen, true, kEffectiveGreen);
        f.circle({x0 + Lx / 2 + std::min(ex, Lx / 2), Ly / 2 + std::min(ey, Ly / 2)}, 0.03 * Lx,
                 kLoadRed, true);
    }
    rectangle(f, x0, 0, x0 + Lx, Ly, common::kBlack);
    f.line({x0, Ly / 2}, {x0 + Lx, Ly / 2}, common::kGrey, true);
    f.line({x0 + Lx / 2, 0}, {x0 + Lx / 2, Ly}, common::kGrey, true);
    f.text({x0 + Lx / 2, -0.12 * Ly}, "Estado " + std::to_string(i), common::kBlack,
           TextAnchor::Centre);
}

}  // namespace

common::Figure effectiveAreasFigure(double Lx, double Ly, const StateLoads& loads) {
    if (!usable(Lx) || !usable(Ly)) {
        return Figure();
    }
    const double step = Lx + effectivePlanGap(Lx);
    Figure f(-0.05 * Lx, -0.25 * Ly, kStates * step, 1.05 * Ly, true);
    for (int i = 1; i <= kStates; ++i) {
        effectivePlan(f, (i - 1) * step, Lx, Ly, i, loads.V[i], loads.Mxz[i], loads.Myz[i]);
    }
    return f;
}

common::Figure effectivePlanFigure(double Lx, double Ly, int state, double V, double Mxz,
                                   double Myz) {
    if (!usable(Lx) || !usable(Ly)) {
        return Figure();
    }
    Figure f(-0.05 * Lx, -0.25 * Ly, 1.05 * Lx, 1.05 * Ly, true);
    effectivePlan(f, 0, Lx, Ly, state, V, Mxz, Myz);
    return f;
}

common::Rgb stateRgb(int state) {
    static const Rgb colours[kStates + 1] = {common::kBlack, {85, 85, 255}, {40, 180, 40},
                                             {0, 170, 170},  {255, 85, 85}, {200, 60, 200}};
    return (state >= 1 && state <= kStates) ? colours[state] : common::kBlack;
}

common::Figure comparisonFigure(
    const std::array<std::array<float, kStates + 1>, kMethods + 1>& table, float maximum,
    const std::string& axisTitle) {
    static const char* const letters[kMethods + 1] = {"", "T", "M", "B", "V", "C"};
    Figure f(-1.2, -10, 7.2, 100, false);
    f.line({0, 0}, {6, 0});
    f.line({0, 0}, {0, 100});
    for (int m = 1; m <= kMethods; ++m) {
        f.line({double(m), -2}, {double(m), 2});
        f.text({double(m), -6}, letters[m], common::kBlack, TextAnchor::Centre);
    }
    f.text({6.1, -6}, "Metodo");
    f.text({0.1, 96}, axisTitle);
    const bool scaled = std::isfinite(maximum) && maximum > 0;
    for (int k = 1; k <= 10; ++k) {
        const double y = 8.0 * k;
        f.line({0.2, y}, {6, y}, common::kGrey, true);
        if (scaled) {
            f.text({-0.1, y}, common::formatPattern(k * double(maximum) / 10, "#####0"),
                   common::kBlack, TextAnchor::Right);
        }
    }
    for (int i = 1; i <= kStates; ++i) {
        f.text({6.2, 100 - 5.0 * i}, "e" + std::to_string(i));
        f.circle({6.7, 100 - 5.0 * i}, 0.08, stateRgb(i), true);
        if (!scaled) {
            continue;
        }
        for (int m = 1; m <= kMethods; ++m) {
            const double height = double(table[m][i]) * 80 / maximum;
            if (std::isfinite(height)) {
                f.circle({double(m), height}, 0.08, stateRgb(i), true);
            }
        }
    }
    return f;
}

common::Figure footingLegendFigure() {
    constexpr double kLx = 1.4, kLy = 1.0, kDf = 0.8;
    constexpr float kDw = 1.1F;
    return footingSketchFigure(kLx, kLy, kDf, WaterTable{true, kDw}, false);
}

common::Figure footingSketchOf(const common::FieldTexts& fields) {
    WaterTable water;
    const std::string dw = fields.text(soilField(kFieldDw));
    water.present = dw.find_first_not_of(' ') != std::string::npos;
    water.dw = field(fields, soilField(kFieldDw));
    return footingSketchFigure(field(fields, soilField(kFieldLx)),
                               field(fields, soilField(kFieldLy)),
                               field(fields, soilField(kFieldDf)), water);
}

common::Figure effectiveAreasOf(const common::FieldTexts& fields) {
    StateLoads loads;
    for (int i = 1; i <= kStates; ++i) {
        loads.V[i] = field(fields, loadField(kColumnV, i));
        loads.Mxz[i] = field(fields, loadField(kColumnMxz, i));
        loads.Myz[i] = field(fields, loadField(kColumnMyz, i));
    }
    return effectiveAreasFigure(field(fields, soilField(kFieldLx)),
                                field(fields, soilField(kFieldLy)), loads);
}

}  // namespace fendrolas
