#include "drovines/ui/wallsection.h"

#include <algorithm>
#include <cmath>

#include "common/numbertext.h"
#include "common/patterntext.h"
#include "common/ui/canvas.h"
#include "common/ui/palette.h"

namespace drovines {

namespace {

// Beyond this a coordinate is far off the area; Qt's raster engine misbehaves on such values.
constexpr double kFarOff = 1e7;

bool drawable(double x, double y) {
    return std::isfinite(x) && std::isfinite(y) && std::abs(x) < kFarOff && std::abs(y) < kFarOff;
}

// The drawing in user units: lengths of the wall go through the scale, fixed offsets do not.
class Section {
public:
    Section(common::Canvas& area, double s) : area_(area), k_(100 / s) {}

    void line(double x1, double y1, double x2, double y2, QColor colour) const {
        lineAt(x1 * k_, y1 * k_, x2 * k_, y2 * k_, colour);
    }
    void lineAt(double x1, double y1, double x2, double y2, QColor colour) const {
        if (drawable(x1, y1) && drawable(x2, y2)) {
            area_.line(x1, y1, x2, y2, colour);
        }
    }
    void textAt(double x, double y, const QString& text, QColor colour) const {
        if (drawable(x, y)) {
            area_.text(x, y, text, colour);
        }
    }
    double scaled(double length) const { return length * k_; }

private:
    common::Canvas& area_;
    double k_;
};

QString decimal(double value) {
    return QString::fromStdString(common::displayDouble(value));
}

}  // namespace

void setSectionScale(common::Canvas& area) {
    area.setScale(-30, 110, 110, -10);
}

double sectionScale(const SectionInput& in) {
    const double s = std::max(in.H + 1.5 * in.b1 * std::tan(in.beta), 2 * in.B);
    if (!std::isfinite(s)) {
        return 0;
    }
    return s;
}

void grafmuro(common::Canvas& area, const SectionInput& in) {
    const double s = sectionScale(in);
    if (s == 0) {
        return;
    }
    const QColor black = common::classicColor(0);
    const QColor red = common::classicColor(4);
    const QColor lightBlue = common::classicColor(9);
    const double H = in.H, b1 = in.b1, B = in.B, xf = in.xf, xa = in.xa;
    const Section d(area, s);
    area.clear();

    d.line(0, 0, B, 0, black);
    d.line(0, 0, xf, H, black);
    d.line(xf, H, xf + b1, H, black);
    d.line(xf + b1, H, xf + b1 + xa, 0, black);

    d.line(xf + b1, H, 2 * B, H + (2 * B - xa) * std::tan(in.beta), red);
    d.textAt(d.scaled(xf + b1), d.scaled(0.95 * H),
             "Sobrecarga en el terraplen q= " + decimal(in.q) + " kN/m", red);
    // The ground in front starts at a fixed place on the left of the area, whatever the scale.
    d.lineAt(-15, d.scaled(in.df), d.scaled(in.df * std::tan(in.alfa2)), d.scaled(in.df), red);

    d.line(B - in.hn * std::tan(in.alfa), in.hn, 2 * B, in.hn, lightBlue);
    if (in.napaBajoBase) {
        d.textAt(d.scaled(1.1 * B), 5, "Profundidad de la napa: " + in.keptHn + " m", lightBlue);
    }
    d.textAt(0, 0,
             "Ancho inferior B= " + QString::fromStdString(common::formatPattern(B, "####0.000 m")),
             lightBlue);
}

}  // namespace drovines
