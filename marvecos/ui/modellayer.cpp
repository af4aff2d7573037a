#include "marvecos/ui/modellayer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "common/ui/palette.h"

namespace marvecos {

namespace {

constexpr int kLegendInk = 0;     // black
constexpr int kLegendPaper = 15;  // bright white
constexpr double kLegendFontPoints = 7;
constexpr double kArrowHead = 6;       // pixels
constexpr double kWaterMarkSide = 10;  // pixels

QColor rgb(unsigned value) {
    return QColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

bool finite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Points far beyond the area are pulled to its margin, so the painter never sees them.
QPointF bounded(QPointF p, QRectF area) {
    const QRectF around = area.adjusted(-area.width(), -area.height(), area.width(), area.height());
    return {std::clamp(p.x(), around.left(), around.right()),
            std::clamp(p.y(), around.top(), around.bottom())};
}

void fillPolygon(QPainter& painter, const CanvasMapping& mapping, const FigurePolygon& shape) {
    QPolygonF polygon;
    const QRectF area = painter.window();
    for (std::size_t k = 0; k < shape.x.size(); ++k) {
        const QPointF p = mapping.toPixels(shape.x[k], shape.y[k]);
        if (!finite(p)) {
            return;
        }
        polygon << bounded(p, area);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgb(shape.rgb));
    painter.drawPolygon(polygon);
}

void paintLines(QPainter& painter, const CanvasMapping& mapping,
                const std::vector<FigureLine>& lines, double width) {
    for (const FigureLine& l : lines) {
        QPen pen(common::classicColor(l.color), width);
        pen.setStyle(l.style == FigureStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
        painter.setPen(pen);
        mapping.line(painter, l.x1, l.y1, l.x2, l.y2);
    }
}

void paintArrow(QPainter& painter, const CanvasMapping& mapping, const FigureArrow& a) {
    const QColor color = common::classicColor(a.color);
    painter.setPen(QPen(color, 1.5));
    mapping.line(painter, a.x1, a.y1, a.x2, a.y2);
    const QPointF tail = mapping.toPixels(a.x1, a.y1), head = mapping.toPixels(a.x2, a.y2);
    const QPointF along = head - tail;
    const double length = std::hypot(along.x(), along.y());
    if (!finite(head) || !(length > 0) || !QRectF(painter.window()).contains(head)) {
        return;
    }
    const QPointF u = along / length, n(-u.y(), u.x());
    const double side = std::min(kArrowHead, length / 2);
    painter.setBrush(color);
    painter.drawPolygon(QPolygonF() << head << head - side * u + side / 2 * n
                                    << head - side * u - side / 2 * n);
}

void paintValue(QPainter& painter, const CanvasMapping& mapping, const FigureText& t, int color) {
    const QPointF at = mapping.toPixels(t.x, t.y);
    if (!finite(at) || !QRectF(painter.window()).adjusted(-40, -20, 40, 20).contains(at)) {
        return;
    }
    const QString text = QString::fromStdString(t.text);
    const QFontMetricsF metrics(painter.font());
    painter.setPen(common::classicColor(color));
    painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(text) / 2, at.y() - 3), text);
}

// The inverted triangle standing on the water line.
void paintWaterMark(QPainter& painter, const CanvasMapping& mapping, const FigureText& mark) {
    const QPointF at = mapping.toPixels(mark.x, mark.y);
    if (!finite(at) || !QRectF(painter.window()).contains(at)) {
        return;
    }
    const double h = kWaterMarkSide * std::sqrt(3.0) / 2;
    painter.setPen(QPen(common::classicColor(kWaterColor), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(QPolygonF() << at << at + QPointF(-kWaterMarkSide / 2, -h)
                                    << at + QPointF(kWaterMarkSide / 2, -h));
    painter.drawLine(at + QPointF(-kWaterMarkSide / 3, 3), at + QPointF(kWaterMarkSide / 3, 3));
    painter.drawLine(at + QPointF(-kWaterMarkSide / 6, 6), at + QPointF(kWaterMarkSide / 6, 6));
}

QFont legendFont(const QPainter& painter) {
    QFont font = painter.font();
    font.setPointSizeF(kLegendFontPoints);
    return font;
}

}  // namespace

QRectF ModelLayer::legendBox(const QPainter& painter) const {
    if (figure_.legend.empty()) {
        return {};
    }
    const QFontMetricsF metrics(legendFont(painter));
    const double line = metrics.height() + 2;
    double width = 0;
    for (const LegendEntry& e : figure_.legend) {
        width = std::max(width, (e.rgb != 0 ? 18 : 0) +
                                    metrics.horizontalAdvance(QString::fromStdString(e.text)));
    }
    const double height = static_cast<double>(figure_.legend.size()) * line + 6;
    return {4, painter.window().bottom() - height - 4, width + 10, height};
}

void ModelLayer::paint(QPainter& painter, const CanvasMapping& mapping) const {
    painter.setRenderHint(QPainter::Antialiasing);
    for (const FigurePolygon& soil : figure_.soils) {
        fillPolygon(painter, mapping, soil);
    }
    for (const FigurePolygon& pond : figure_.ponds) {
        fillPolygon(painter, mapping, pond);
    }
    paintLines(painter, mapping, figure_.boundaries, 1);
    paintLines(painter, mapping, figure_.base, 3);
    paintLines(painter, mapping, figure_.slices, 1);
    if (figure_.circle) {
        QPen pen(common::classicColor(kCircleColor), 1);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        mapping.circle(painter, figure_.circle->x, figure_.circle->y, figure_.circle->radius);
    }
    paintLines(painter, mapping, figure_.water, 2);
    if (figure_.waterMark) {
        paintWaterMark(painter, mapping, *figure_.waterMark);
    }
    QFont font = legendFont(painter);
    painter.setFont(font);
    for (const FigureArrow& arrow : figure_.arrows) {
        paintArrow(painter, mapping, arrow);
    }
    for (const FigureText& value : figure_.values) {
        paintValue(painter, mapping, value,
                   value.text.rfind("kh", 0) == 0 ? kQuakeColor : kLoadColor);
    }
}

void ModelLayer::paintLegend(QPainter& painter) const {
    if (figure_.legend.empty()) {
        return;
    }
    painter.save();
    painter.setFont(legendFont(painter));
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height() + 2;
    const QRectF box = legendBox(painter);
    painter.setPen(QPen(common::classicColor(kLegendInk), 1));
    painter.setBrush(common::classicColor(kLegendPaper));
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
    double y = box.top() + 3;
    const double x = box.left() + 5;
    for (const LegendEntry& e : figure_.legend) {
        double textX = x;
        if (e.rgb != 0) {
            const QRectF swatch(x, y + 2, 12, line - 4);
            painter.fillRect(swatch, rgb(e.rgb));
            painter.drawRect(swatch);
            textX += 18;
        }
        painter.drawText(QPointF(textX, y + metrics.ascent()), QString::fromStdString(e.text));
        y += line;
    }
    painter.restore();
}

}  // namespace marvecos
