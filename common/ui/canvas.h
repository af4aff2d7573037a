#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace common {

// A drawing area in user coordinates: set the scale with the coordinates of its top-left and
// bottom-right corners, then draw lines, boxes, dots and texts. What is drawn stays on the
// area's picture until it is cleared, so a new drawing lies over the previous one.
class Canvas : public QWidget {
    Q_OBJECT

public:
    Canvas(QColor background, QColor foreground, QWidget* parent = nullptr);

    void setScale(double left, double top, double right, double bottom);
    void clear();

    void line(double x1, double y1, double x2, double y2, QColor color,
              Qt::PenStyle style = Qt::SolidLine);
    void box(double x1, double y1, double x2, double y2, QColor color);
    void filledBox(double x1, double y1, double x2, double y2, QColor color);
    // Circle of the given radius in horizontal user units, filled.
    void dot(double x, double y, double radius, QColor color);
    // Text with its top-left corner at the point.
    void text(double x, double y, const QString& text, QColor color);

    QColor foreground() const { return foreground_; }
    const QPixmap& picture() const { return picture_; }
    QPointF toPixels(double x, double y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitPicture();

    QColor background_;
    QColor foreground_;
    QPixmap picture_;
    double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
};

}  // namespace common
