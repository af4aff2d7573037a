#include "common/ui/figurepainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace common {

namespace {

// Coordinates beyond this are far off any page; the raster engine misbehaves on such values.
constexpr double kFarOff = 1e7;

QColor qtColour(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

bool onPage(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y()) && std::abs(p.x()) < kFarOff &&
           std::abs(p.y()) < kFarOff;
}

class Placer {
public:
    Placer(const Figure& figure, const QRectF& box)
        : figure_(figure), box_{box.x(), box.y(), box.width(), box.height()} {}

    QPointF at(FigurePoint p) const {
        const FigurePoint q = placeOnPage(figure_, box_, p);
        return {q.x, q.y};
    }
    double length(double user) const { return user * pageScale(figure_, box_); }

private:
    const Figure& figure_;
    PageBox box_;
};

void arrowHead(QPainter& p, QPointF tip, QPointF from, double size, QColor colour) {
    const QPointF d = tip - from;
    const double length = std::hypot(d.x(), d.y());
    if (length == 0) {
        return;
    }
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - size * u + 0.45 * size * n);
    head.lineTo(tip - size * u - 0.45 * size * n);
    head.closeSubpath();
    p.fillPath(head, colour);
}

void paintText(QPainter& p, QPointF at, const FigureMark& m) {
    const QString text = QString::fromStdString(m.text);
    const QFontMetricsF metrics(p.font());
    const double width = metrics.horizontalAdvance(text);
    double x = at.x();
    if (m.anchor == TextAnchor::Centre) {
        x -= width / 2;
    } else if (m.anchor == TextAnchor::Right) {
        x -= width;
    }
    p.drawText(QPointF(x, at.y() + (metrics.ascent() - metrics.descent()) / 2), text);
}

void paintMark(QPainter& p, const Placer& place, const FigureMark& m, double pen, double head) {
    std::vector<QPointF> points;
    for (const FigurePoint& u : m.points) {
        points.push_back(place.at(u));
        if (!onPage(points.back())) {
            return;
        }
    }
    const QColor colour = qtColour(m.stroke);
    p.setPen(QPen(colour, pen, m.dashed ? Qt::DashLine : Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    switch (m.kind) {
        case FigureMark::Kind::Line:
            p.drawLine(points[0], points[1]);
            break;
        case FigureMark::Kind::Arrow:
            p.drawLine(points[0], points[1]);
            arrowHead(p, points[1], points[0], head, colour);
            break;
        case FigureMark::Kind::Polygon:
            if (m.filled) {
                p.setBrush(qtColour(m.fill));
            }
            p.drawPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
            break;
        case FigureMark::Kind::Circle: {
            const double r = place.length(m.radius);
            if (!std::isfinite(r) || r > kFarOff) {
                return;
            }
            if (m.filled) {
                p.setBrush(colour);
            }
            p.drawEllipse(points[0], r, r);
            break;
        }
        case FigureMark::Kind::Text:
            paintText(p, points[0], m);
            break;
    }
}

}  // namespace

void paintFigure(QPainter& painter, const Figure& figure, const QRectF& box) {
    if (!figure.drawable() || box.width() <= 0 || box.height() <= 0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(box);
    const double pen = std::max(1.0, box.width() / 700);
    const double head = std::max(6.0, box.width() / 70);
    const Placer place(figure, box);
    for (const FigureMark& m : figure.marks()) {
        paintMark(painter, place, m, pen, head);
    }
    painter.restore();
}

}  // namespace common
