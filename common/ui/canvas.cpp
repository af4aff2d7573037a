#include "common/ui/canvas.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace common {

namespace {

bool finite(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

}  // namespace

Canvas::Canvas(QColor background, QColor foreground, QWidget* parent)
    : QWidget(parent), background_(background), foreground_(foreground) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    picture_ = QPixmap(1, 1);
    picture_.fill(background_);
}

void Canvas::setScale(double left, double top, double right, double bottom) {
    if (left == right || top == bottom) {
        return;
    }
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void Canvas::clear() {
    fitPicture();
    picture_.fill(background_);
    update();
}

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitPicture();
}

// A hidden widget gets no resize event, yet it may be drawn on before it is ever shown.
void Canvas::fitPicture() {
    if (picture_.size() == size() || width() <= 0 || height() <= 0) {
        return;
    }
    QPixmap resized(size());
    resized.fill(background_);
    QPainter p(&resized);
    p.drawPixmap(0, 0, picture_);
    picture_ = resized;
}

QPointF Canvas::toPixels(double x, double y) const {
    const double px = (x - left_) / (right_ - left_) * (width() - 1);
    const double py = (y - top_) / (bottom_ - top_) * (height() - 1);
    return {px, py};
}

void Canvas::line(double x1, double y1, double x2, double y2, QColor color, Qt::PenStyle style) {
    if (!finite(x1, y1) || !finite(x2, y2)) {
        return;
    }
    fitPicture();
    QPainter p(&picture_);
    p.setPen(QPen(color, 1, style));
    p.drawLine(toPixels(x1, y1), toPixels(x2, y2));
    update();
}

void Canvas::box(double x1, double y1, double x2, double y2, QColor color) {
    if (!finite(x1, y1) || !finite(x2, y2)) {
        return;
    }
    fitPicture();
    QPainter p(&picture_);
    p.setPen(QPen(color, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized());
    update();
}

void Canvas::filledBox(double x1, double y1, double x2, double y2, QColor color) {
    if (!finite(x1, y1) || !finite(x2, y2)) {
        return;
    }
    fitPicture();
    QPainter p(&picture_);
    p.setPen(QPen(color, 1));
    p.setBrush(color);
    p.drawRect(QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized());
    update();
}

void Canvas::dot(double x, double y, double radius, QColor color) {
    if (!finite(x, y) || !std::isfinite(radius)) {
        return;
    }
    // The radius is measured along the horizontal axis; a dot stays visible on a small area.
    fitPicture();
    const double pixels = std::max(2.0, std::abs(radius / (right_ - left_) * (width() - 1)));
    QPainter p(&picture_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 1));
    p.setBrush(color);
    p.drawEllipse(toPixels(x, y), pixels, pixels);
    update();
}

void Canvas::text(double x, double y, const QString& text, QColor color) {
    if (!finite(x, y)) {
        return;
    }
    fitPicture();
    QPainter p(&picture_);
    p.setPen(color);
    p.setFont(font());
    const QPointF at = toPixels(x, y);
    p.drawText(QRectF(at.x(), at.y(), width(), height()), Qt::AlignLeft | Qt::AlignTop, text);
    update();
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

}  // namespace common
