#pragma once

#include <QString>

#include "common/figure.h"

namespace drovines {

// What the section drawing reads from the main window's fields, unchecked: angles in radians,
// lengths in metres.
struct SectionInput {
    double H = 0, b1 = 0, alfa = 0, alfa2 = 0, B = 0, beta = 0, xf = 0, xa = 0;
    double hn = 0, df = 0, q = 0;
    bool napaBajoBase = false;  // the hn field holds a negative number
    QString keptHn;             // that number as it was entered
};

// The wall's section as the fields say it now, drawn by the same figure as the PDF report, with
// a water table below the base named by the number entered. Empty (nothing to draw) when a
// number is not finite or the wall has no height or base.
common::Figure grafmuro(const SectionInput& in);

}  // namespace drovines
