#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QWidget>
#include <vector>

#include "marvecos/slopefigure.h"

class QPainter;

namespace marvecos {

// User coordinates onto the pixels of an area of the given size, whatever its shape. Lines and
// marks are cut to the area first, so that a point far outside it (a huge field value) never
// reaches the painter.
class CanvasMapping {
public:
    CanvasMapping(const UserWindow& window, QSizeF size);

    QPointF toPixels(double x, double y) const;
    // Pixels of a length along the horizontal axis.
    double horizontalPixels(double length) const;

    void line(QPainter& painter, double x1, double y1, double x2, double y2) const;
    // A circle of the radius in horizontal units, never smaller than a few pixels.
    void circle(QPainter& painter, double x, double y, double radius) const;
    // Text beside a point: to its right for the end of the x axis, above it for the y axis.
    void textRightOf(QPainter& painter, double x, double y, const QString& text) const;
    void textAbove(QPainter& painter, double x, double y, const QString& text) const;

private:
    bool near(QPointF point) const;

    UserWindow window_;
    QSizeF size_;
};

// One thing drawn on the area, painted over the layers before it.
class CanvasLayer {
public:
    virtual ~CanvasLayer() = default;
    virtual void paint(QPainter& painter, const CanvasMapping& mapping) const = 0;
};

// The slope, its circle and its axes.
class SlopeLayer : public CanvasLayer {
public:
    void setFigure(SlopeFigure figure) { figure_ = std::move(figure); }
    const SlopeFigure& figure() const { return figure_; }
    void paint(QPainter& painter, const CanvasMapping& mapping) const override;

private:
    SlopeFigure figure_;
};

// The picture box of the main window: a white area in user coordinates that paints its layers
// in order and reports a click.
class SlopeCanvas : public QWidget {
    Q_OBJECT

public:
    explicit SlopeCanvas(QWidget* parent = nullptr);

    // The layers are not owned; one added later is painted over those before it.
    void addLayer(const CanvasLayer* layer);
    void insertLayer(int position, const CanvasLayer* layer);

    // A redraw: the new coordinates when it sets some, the old ones otherwise.
    void redraw(const std::optional<UserWindow>& window);
    const UserWindow& userWindow() const { return window_; }
    // The coordinates the area shows: the window grown so that x and y have equal scales.
    UserWindow shownWindow() const;
    CanvasMapping mapping() const;
    // The area as it would appear now.
    QImage render() const;

signals:
    void clicked();
    // The area changed size: what it shows widened or narrowed with it.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paintLayers(QPainter& painter, QSizeF size) const;

    std::vector<const CanvasLayer*> layers_;
    UserWindow window_ = initialWindow();
};

}  // namespace marvecos
