#pragma once

#include <QString>

namespace common {
class Canvas;
}  // namespace common

namespace drovines {

// What the section drawing reads from the main window's fields, unchecked: angles in radians,
// lengths in metres.
struct SectionInput {
    double H = 0, b1 = 0, alfa = 0, alfa2 = 0, B = 0, beta = 0, xf = 0, xa = 0;
    double hn = 0, df = 0, q = 0;
    bool napaBajoBase = false;  // the hn field holds a negative number
    QString keptHn;             // that number as it was entered
};

// The user coordinates of the drawing area: x from -30 to 110, y from 110 down to -10.
void setSectionScale(common::Canvas& area);

// Scale of the drawing: every length L is drawn at L * 100 / s. 0 when nothing can be drawn.
double sectionScale(const SectionInput& in);

// Draws the wall, the backfill, the ground in front and the water table. When the scale is 0
// (or not a number) the area keeps what it showed.
void grafmuro(common::Canvas& area, const SectionInput& in);

}  // namespace drovines
