#include "fendrolas/ui/comparisonchart.h"

#include <cmath>

#include "common/patterntext.h"
#include "common/ui/palette.h"

namespace fendrolas {

namespace {

const char* const kMethodLetters[kMethods + 1] = {"", "T", "M", "B", "V", "C"};

bool usableMaximum(float maximum) {
    return std::isfinite(maximum) && maximum > 0;
}

void drawAxes(common::Canvas& area, const QString& axisTitle) {
    const QColor ink = area.foreground();
    area.line(0, 0, 6, 0, ink);
    area.line(0, 0, 0, 100, ink);
    for (int m = 1; m <= kMethods; ++m) {
        area.text(m, -5, kMethodLetters[m], ink);
        area.line(m, -3, m, 3, ink);
    }
    area.text(6, -3, "Metodo", ink);
    area.text(-0.3, 95, axisTitle, ink);
}

void drawDots(common::Canvas& area, const ComparisonTable& table, float maximum) {
    for (int i = 1; i <= kStates; ++i) {
        for (int m = 1; m <= kMethods; ++m) {
            const double height = static_cast<double>(table[m][i]) * 80 / maximum;
            area.dot(m, height, 0.1, stateColor(i));
        }
    }
}

void drawValueScale(common::Canvas& area, float maximum, bool labelled) {
    const QColor ink = area.foreground();
    for (int k = 1; k <= 10; ++k) {
        const double y = 8.0 * k;
        if (labelled) {
            const double value = k * static_cast<double>(maximum) / 10;
            area.text(-0.9, y, QString::fromStdString(common::formatPattern(value, "#####0")), ink);
        }
        area.line(-0.2, y, 0.2, y, ink);
        area.line(0.2, y, 6, y, ink, Qt::DotLine);
    }
}

}  // namespace

QColor stateColor(int state) {
    return common::classicColor(state + 8);
}

void drawComparisonChart(common::Canvas& area, const ComparisonTable& table, float maximum,
                         const QString& axisTitle) {
    area.clear();
    area.setScale(-1, 100, 7, -10);
    drawAxes(area, axisTitle);
    const bool scaled = usableMaximum(maximum);
    if (scaled) {
        drawDots(area, table, maximum);
    }
    drawValueScale(area, maximum, scaled);
}

void drawComparisonLegend(common::Canvas& area) {
    for (int i = 1; i <= kStates; ++i) {
        area.text(5, 101 - 3 * i, QString("e%1=").arg(i), area.foreground());
        area.dot(5.5, 100 - 3 * i, 0.06, stateColor(i));
    }
}

}  // namespace fendrolas
