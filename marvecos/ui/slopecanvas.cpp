#include "marvecos/ui/slopecanvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "common/ui/palette.h"
#include "marvecos/modelfigure.h"

namespace marvecos {

namespace {

// How far beyond the area a point still counts as near it, in pixels.
constexpr double kMargin = 50;

// Cuts the segment p..q to the rectangle (Liang and Barsky); false when nothing of it is in.
bool clipSegment(QPointF& p, QPointF& q, const QRectF& r) {
    const double dx = q.x() - p.x(), dy = q.y() - p.y();
    double t0 = 0, t1 = 1;
    const double num[] = {p.x() - r.left(), r.right() - p.x(), p.y() - r.top(), r.bottom() - p.y()};
    const double den[] = {-dx, dx, -dy, dy};
    for (int k = 0; k < 4; ++k) {
        if (den[k] == 0) {
            if (num[k] < 0) {
                return false;
            }
            continue;
        }
        const double t = num[k] / den[k];
        if (den[k] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    const QPointF start = p;
    p = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    q = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

bool finite(QPointF point) {
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

QPen penFor(const FigureLine& line, double width) {
    QPen pen(common::classicColor(line.color), width);
    pen.setStyle(line.style == FigureStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    return pen;
}

void paintLines(QPainter& painter, const CanvasMapping& mapping,
                const std::vector<FigureLine>& lines, double width) {
    for (const FigureLine& l : lines) {
        painter.setPen(penFor(l, width));
        mapping.line(painter, l.x1, l.y1, l.x2, l.y2);
    }
}

}  // namespace

CanvasMapping::CanvasMapping(const UserWindow& window, QSizeF size)
    : window_(window), size_(size) {}

QPointF CanvasMapping::toPixels(double x, double y) const {
    const double px = (x - window_.left) / (window_.right - window_.left) * size_.width();
    const double py = (y - window_.top) / (window_.bottom - window_.top) * size_.height();
    return {px, py};
}

double CanvasMapping::horizontalPixels(double length) const {
    return std::abs(length / (window_.right - window_.left) * size_.width());
}

bool CanvasMapping::near(QPointF point) const {
    return finite(point) && point.x() > -kMargin && point.x() < size_.width() + kMargin &&
           point.y() > -kMargin && point.y() < size_.height() + kMargin;
}

void CanvasMapping::line(QPainter& painter, double x1, double y1, double x2, double y2) const {
    QPointF p = toPixels(x1, y1), q = toPixels(x2, y2);
    if (!finite(p) || !finite(q)) {
        return;
    }
    const QRectF area(-kMargin, -kMargin, size_.width() + 2 * kMargin,
                      size_.height() + 2 * kMargin);
    if (clipSegment(p, q, area)) {
        painter.drawLine(p, q);
    }
}

void CanvasMapping::circle(QPainter& painter, double x, double y, double radius) const {
    const QPointF centre = toPixels(x, y);
    const double pixels = horizontalPixels(radius);
    if (!near(centre) || !std::isfinite(pixels)) {
        return;
    }
    const double r = std::clamp(pixels, 3.0, std::max(size_.width(), size_.height()));
    painter.drawEllipse(centre, r, r);
}

void CanvasMapping::textRightOf(QPainter& painter, double x, double y, const QString& text) const {
    const QPointF at = toPixels(x, y);
    if (!near(at)) {
        return;
    }
    const QFontMetricsF metrics(painter.font());
    painter.drawText(QPointF(at.x() + 3, at.y() + metrics.ascent() / 2 - 1), text);
}

void CanvasMapping::textAbove(QPainter& painter, double x, double y, const QString& text) const {
    const QPointF at = toPixels(x, y);
    if (!near(at)) {
        return;
    }
    const QFontMetricsF metrics(painter.font());
    painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(text) / 2, at.y() - 3), text);
}

void SlopeLayer::paint(QPainter& painter, const CanvasMapping& mapping) const {
    painter.setRenderHint(QPainter::Antialiasing);
    paintLines(painter, mapping, figure_.ground, 2);
    paintLines(painter, mapping, figure_.radius, 1);
    paintLines(painter, mapping, figure_.slipSurface, 2);

    painter.setPen(QPen(common::classicColor(kInk), 1));
    painter.setBrush(Qt::NoBrush);
    for (const FigureCircle& mark : figure_.marks) {
        mapping.circle(painter, mark.x, mark.y, mark.radius);
    }
    paintLines(painter, mapping, figure_.axes, 1);

    painter.setPen(common::classicColor(kInk));
    if (figure_.letters.size() == 2) {
        const FigureText& x = figure_.letters[0];
        const FigureText& y = figure_.letters[1];
        mapping.textRightOf(painter, x.x, x.y, QString::fromStdString(x.text));
        mapping.textAbove(painter, y.x, y.y, QString::fromStdString(y.text));
    }
}

SlopeCanvas::SlopeCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SlopeCanvas::addLayer(const CanvasLayer* layer) {
    layers_.push_back(layer);
    update();
}

void SlopeCanvas::insertLayer(int position, const CanvasLayer* layer) {
    const auto at =
        std::clamp<std::size_t>(static_cast<std::size_t>(std::max(position, 0)), 0, layers_.size());
    layers_.insert(layers_.begin() + static_cast<std::ptrdiff_t>(at), layer);
    update();
}

void SlopeCanvas::redraw(const std::optional<UserWindow>& window) {
    if (window) {
        window_ = *window;
    }
    update();
}

void SlopeCanvas::paintLayers(QPainter& painter, QSizeF size) const {
    painter.fillRect(QRectF(QPointF(0, 0), size), common::classicColor(kPaper));
    const CanvasMapping mapping(equalScaleWindow(window_, size.width(), size.height()), size);
    for (const CanvasLayer* layer : layers_) {
        painter.save();
        layer->paint(painter, mapping);
        painter.restore();
    }
}

UserWindow SlopeCanvas::shownWindow() const {
    return equalScaleWindow(window_, width(), height());
}

CanvasMapping SlopeCanvas::mapping() const {
    return CanvasMapping(shownWindow(), size());
}

QImage SlopeCanvas::render() const {
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintLayers(painter, size());
    return image;
}

void SlopeCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintLayers(painter, size());
}

void SlopeCanvas::resizeEvent(QResizeEvent*) {
    emit resized();
}

void SlopeCanvas::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit clicked();
}

}  // namespace marvecos
