#include "common/ui/logo.h"

#include <QPainter>
#include <QPainterPath>

namespace common {

namespace {

// Soil layers, a footing and a column: the picture every program of the suite shares.
void paintSoilSection(QPainter& p, const QRectF& r) {
    const double w = r.width();
    const double h = r.height();
    const double ground = r.top() + 0.45 * h;

    p.fillRect(QRectF(r.left(), r.top(), w, ground - r.top()), QColor(190, 220, 245));
    p.fillRect(QRectF(r.left(), ground, w, r.bottom() - ground), QColor(176, 132, 84));
    p.fillRect(QRectF(r.left(), ground + 0.3 * h, w, r.bottom() - ground - 0.3 * h),
               QColor(140, 100, 60));

    p.setPen(QPen(QColor(60, 40, 20), std::max(1.0, w / 64)));
    for (double x = r.left(); x < r.right(); x += w / 10) {
        p.drawLine(QPointF(x, ground), QPointF(x + w / 20, ground - w / 20));
    }
    p.drawLine(QPointF(r.left(), ground), QPointF(r.right(), ground));

    const QRectF footing(r.left() + 0.25 * w, ground + 0.15 * h, 0.5 * w, 0.12 * h);
    const QRectF column(r.left() + 0.42 * w, r.top() + 0.12 * h, 0.16 * w,
                        footing.top() - r.top() - 0.12 * h);
    p.setPen(QPen(Qt::black, std::max(1.0, w / 80)));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(column);
    p.drawRect(footing);

    // Pressure bulb under the footing.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 230, 120), std::max(1.0, w / 100), Qt::DashLine));
    p.drawArc(QRectF(footing.left(), footing.bottom() - 0.2 * h, footing.width(), 0.4 * h),
              180 * 16, 180 * 16);
}

}  // namespace

QPixmap drawLogo(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paintSoilSection(p, QRectF(2, 2, width - 4, height - 4));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, width - 2, height - 2));
    return pixmap;
}

QIcon drawProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath rounded;
        rounded.addRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        p.setClipPath(rounded);
        paintSoilSection(p, QRectF(0, 0, size, size));
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace common
