#pragma once

#include <QString>

#include "common/ui/canvas.h"
#include "fendrolas/methods/readers.h"

namespace fendrolas {

using ComparisonTable = std::array<std::array<float, kStates + 1>, kMethods + 1>;

// One chart of the comparison: axes, method letters, a dot per method and state at a height of
// 80 for the largest value, and a value scale of ten steps. Without a positive maximum there is
// nothing to scale by, so the chart keeps its axes and grid but shows no dots or scale labels.
void drawComparisonChart(common::Canvas& area, const ComparisonTable& table, float maximum,
                         const QString& axisTitle);

// The state colours "e1=" .. "e5=" in the top right corner of a chart.
void drawComparisonLegend(common::Canvas& area);

// Colour of load state 1..5 in both charts.
QColor stateColor(int state);

}  // namespace fendrolas
