#pragma once

#include <QRectF>

#include "common/figure.h"

class QPainter;

namespace common {

// Paints the figure into the box of any painter (a window, a PDF page, a picture) with the
// painter's font, so that the screen and the paper show the same drawing.
void paintFigure(QPainter& painter, const Figure& figure, const QRectF& box);

}  // namespace common
