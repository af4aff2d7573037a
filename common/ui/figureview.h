#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QWidget>

#include "common/figure.h"

namespace common {

// A window's drawing area that paints a figure through the same painter as the PDF reports and
// the saved pictures, so that the screen and the paper show the same drawing.
class FigureView : public QWidget {
    Q_OBJECT

public:
    explicit FigureView(QWidget* parent = nullptr);

    void setFigure(Figure figure);
    const Figure& figure() const { return figure_; }

    // The box of the widget the figure is fitted into.
    QRectF drawingBox() const;
    // Where a point of the figure lands on the widget.
    QPointF toPixels(FigurePoint user) const;
    // What the widget shows now, at its size.
    QImage image() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintOn(QPainter& painter) const;

    Figure figure_;
};

}  // namespace common
