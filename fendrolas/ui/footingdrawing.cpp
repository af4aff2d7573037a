#include "fendrolas/ui/footingdrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace fendrolas {

namespace {

constexpr double kDesignedWidth = 354;
constexpr double kDesignedHeight = 160;

void arrowHead(QPainter& p, QPointF tip, QPointF from) {
    const QPointF d = tip - from;
    const double length = std::hypot(d.x(), d.y());
    if (length == 0) {
        return;
    }
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - 6 * u + 3 * n);
    head.lineTo(tip - 6 * u - 3 * n);
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

void dimension(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(a, b);
    arrowHead(p, a, b);
    arrowHead(p, b, a);
}

void drawPlan(QPainter& p) {
    const QRectF footing(48, 22, 112, 92);
    const QRectF column(footing.center().x() - 12, footing.center().y() - 10, 24, 20);
    p.drawRect(footing);
    p.drawRect(column);
    p.drawLine(column.topLeft(), column.bottomRight());
    p.drawLine(column.topRight(), column.bottomLeft());

    // Lx below the plan, Ly on its left.
    p.drawLine(QPointF(footing.left(), footing.bottom() + 4), QPointF(footing.left(), 136));
    p.drawLine(QPointF(footing.right(), footing.bottom() + 4), QPointF(footing.right(), 136));
    dimension(p, QPointF(footing.left(), 130), QPointF(footing.right(), 130));
    p.drawText(QRectF(footing.left(), 134, footing.width(), 18), Qt::AlignCenter, "Lx");

    p.drawLine(QPointF(footing.left() - 4, footing.top()), QPointF(22, footing.top()));
    p.drawLine(QPointF(footing.left() - 4, footing.bottom()), QPointF(22, footing.bottom()));
    dimension(p, QPointF(28, footing.top()), QPointF(28, footing.bottom()));
    p.drawText(QRectF(2, footing.center().y() - 9, 22, 18), Qt::AlignCenter, "Ly");
}

void drawSection(QPainter& p) {
    const double ground = 44;
    const QRectF footing(218, 108, 100, 22);
    const QRectF column(footing.center().x() - 10, 6, 20, footing.top() - 6);

    p.drawLine(QPointF(196, ground), QPointF(column.left(), ground));
    p.drawLine(QPointF(column.right(), ground), QPointF(338, ground));
    for (double x = 198; x < 336; x += 8) {
        if (x + 6 > column.left() && x < column.right()) {
            continue;
        }
        p.drawLine(QPointF(x, ground + 6), QPointF(x + 6, ground));
    }
    p.drawRect(footing);
    p.drawRect(column);

    // df from the ground surface down to the base of the footing.
    p.drawLine(QPointF(footing.right() + 4, footing.bottom()), QPointF(336, footing.bottom()));
    dimension(p, QPointF(330, ground), QPointF(330, footing.bottom()));
    p.drawText(QRectF(334, (ground + footing.bottom()) / 2 - 9, 20, 18), Qt::AlignCenter, "df");

    // The water table, dashed, with dw from the ground surface down to it.
    const double water = 80;
    p.save();
    p.setPen(QPen(Qt::blue, 1, Qt::DashLine));
    p.drawLine(QPointF(184, water), QPointF(column.left(), water));
    p.drawLine(QPointF(column.right(), water), QPointF(footing.right() + 2, water));
    p.restore();
    QPainterPath mark;
    mark.moveTo(206, water);
    mark.lineTo(201, water - 7);
    mark.lineTo(211, water - 7);
    mark.closeSubpath();
    p.fillPath(mark, Qt::blue);
    p.drawLine(QPointF(184, ground), QPointF(196, ground));
    dimension(p, QPointF(190, ground), QPointF(190, water));
    p.drawText(QRectF(164, (ground + water) / 2 - 9, 24, 18), Qt::AlignCenter, "dw");
}

}  // namespace

FootingDrawing::FootingDrawing(QWidget* parent) : QWidget(parent) {
    setObjectName("Picture1");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void FootingDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
    // Drawn for the designed size; a larger window draws it larger, centred.
    const double scale = std::min(width() / kDesignedWidth, height() / kDesignedHeight);
    p.translate((width() - scale * kDesignedWidth) / 2, (height() - scale * kDesignedHeight) / 2);
    p.scale(scale, scale);
    drawPlan(p);
    drawSection(p);
}

}  // namespace fendrolas
