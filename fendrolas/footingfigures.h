#pragma once

#include <array>
#include <string>

#include "common/fields.h"
#include "common/figure.h"
#include "fendrolas/methods/methodresults.h"
#include "fendrolas/methods/readers.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// The part of the base that carries the load of a state, in metres from the base's corner
// (0, 0): the load point's eccentricities by magnitude, ex along Lx and ey along Ly, leave the
// strips 2 ex and 2 ey on the near sides unloaded. An eccentricity past the edge leaves nothing.
struct EffectiveRectangle {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
EffectiveRectangle effectiveRectangle(double Lx, double Ly, double ex, double ey);

// The footing's sketch to scale: the plan Lx by Ly with its column on the left, and on the right
// the section with the ground surface at y = 0, the base at y = -df, and the water table dashed
// at y = -dw when there is one. Without values the labels only name the sides and depths.
common::Figure footingSketchFigure(double Lx, double Ly, double df, const WaterTable& water,
                                   bool withValues = true);

// The sketch at a sample size that names Lx, Ly, df and dw without values: what the main window
// shows while its fields do not yet describe a footing.
common::Figure footingLegendFigure();

// What the effective-area plans need of each state: its loads and moments.
struct StateLoads {
    std::array<float, kStates + 1> V{}, Mxz{}, Myz{};
};

// The five plans of the base side by side, each with its effective area shaded and its load
// point; a state without vertical load shows the bare base. Plan i starts at x = (i - 1)(Lx + gap).
common::Figure effectiveAreasFigure(double Lx, double Ly, const StateLoads& loads);
double effectivePlanGap(double Lx);
// One of those plans alone, as the partial results window shows each state.
common::Figure effectivePlanFigure(double Lx, double Ly, int state, double V, double Mxz,
                                   double Myz);

// The comparison chart: a dot per method (x = 1..5) and state at the height value * 80 / maximum,
// the value scale in ten steps, the method letters and the state legend.
common::Figure comparisonFigure(
    const std::array<std::array<float, kStates + 1>, kMethods + 1>& table, float maximum,
    const std::string& axisTitle);

// The same figures with their figures read from the main window's fields as they hold them now;
// the sketch takes the water table from the fields too (none when dw is empty).
common::Figure footingSketchOf(const common::FieldTexts& fields);
common::Figure effectiveAreasOf(const common::FieldTexts& fields);

// Colour of load state 1..5 in the charts and plans.
common::Rgb stateRgb(int state);

}  // namespace fendrolas
