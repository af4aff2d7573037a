#include "marvecos/ui/searchmaplayer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegion>
#include <cmath>

#include "common/patterntext.h"
#include "common/ui/palette.h"

namespace marvecos {

namespace {

// Palette entries of the map's own marks.
constexpr int kCriticalColor = 4;  // red
constexpr int kLegendInk = 0;      // black
constexpr int kLegendPaper = 15;   // bright white

bool finite(QPointF point) {
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

}  // namespace

void SearchMapLayer::setMap(SearchMap map, double H, double L) {
    map_ = std::move(map);
    dx_ = L / 2;
    dy_ = H / 2;
}

void SearchMapLayer::paint(QPainter& painter, const CanvasMapping& mapping) const {
    if (!map_) {
        return;
    }
    painter.save();
    paintCells(painter, mapping);
    paintCritical(painter, mapping);
    paintLegend(painter);
    painter.restore();
}

void SearchMapLayer::paintCells(QPainter& painter, const CanvasMapping& mapping) const {
    const QRectF area = painter.window();
    // Never under a legend: the cells are clipped around both.
    QRegion open(area.toAlignedRect());
    open -= legendBox(painter).toAlignedRect();
    if (avoid_ != nullptr) {
        open -= avoid_->legendBox(painter).toAlignedRect();
    }
    painter.setClipRegion(open);
    painter.setPen(Qt::NoPen);
    for (const MapCell& cell : map_->cells) {
        if (cell.band < 0) {
            continue;
        }
        const QPointF a = mapping.toPixels(cell.left - dx_, cell.top - dy_);
        const QPointF b = mapping.toPixels(cell.right - dx_, cell.bottom - dy_);
        if (!finite(a) || !finite(b)) {
            continue;
        }
        // Cut to the area, so that a far centre never reaches the painter.
        const QRectF r = QRectF(a, b).normalized().intersected(area);
        if (!r.isEmpty()) {
            painter.fillRect(r, common::classicColor(map_->bands[cell.band].color));
        }
    }
}

void SearchMapLayer::paintCritical(QPainter& painter, const CanvasMapping& mapping) const {
    const QPointF at = mapping.toPixels(map_->criticalX - dx_, map_->criticalY - dy_);
    if (!finite(at) || !QRectF(painter.window()).adjusted(-20, -20, 20, 20).contains(at)) {
        return;
    }
    QPen pen(common::classicColor(kCriticalColor), 2);
    painter.setPen(pen);
    constexpr double arm = 6;
    painter.drawLine(at + QPointF(-arm, -arm), at + QPointF(arm, arm));
    painter.drawLine(at + QPointF(-arm, arm), at + QPointF(arm, -arm));
}

namespace {

QFont mapLegendFont(const QPainter& painter) {
    QFont font = painter.font();
    font.setPointSize(7);
    return font;
}

}  // namespace

QRectF SearchMapLayer::legendBox(const QPainter& painter) const {
    if (!map_) {
        return {};
    }
    const QFontMetricsF metrics(mapLegendFont(painter));
    const double line = metrics.height() + 2;
    const QString heading = "fs minimo por centro";
    const QString critical = QString::fromStdString(
        "x centro critico: fs= " + common::formatPattern(map_->criticalFs, "####0.000"));
    double width =
        std::max(metrics.horizontalAdvance(heading), metrics.horizontalAdvance(critical));
    for (const MapBand& band : map_->bands) {
        width = std::max(width, 18 + metrics.horizontalAdvance(QString::fromStdString(band.label)));
    }
    const double rows = 2 + static_cast<double>(map_->bands.size());
    return {painter.window().right() - width - 14, 4, width + 10, rows * line + 6};
}

// Top right: a heading, one swatch per band, and the critical centre's mark.
void SearchMapLayer::paintLegend(QPainter& painter) const {
    painter.setClipping(false);
    const QFont font = mapLegendFont(painter);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double line = metrics.height() + 2;
    const QString heading = "fs minimo por centro";
    const QString critical = QString::fromStdString(
        "x centro critico: fs= " + common::formatPattern(map_->criticalFs, "####0.000"));
    const QRectF box = legendBox(painter);
    painter.setPen(QPen(common::classicColor(kLegendInk), 1));
    painter.setBrush(common::classicColor(kLegendPaper));
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);

    double y = box.top() + 3;
    const double x = box.left() + 5;
    painter.drawText(QPointF(x, y + metrics.ascent()), heading);
    y += line;
    for (const MapBand& band : map_->bands) {
        const QRectF swatch(x, y + 2, 12, line - 4);
        painter.fillRect(swatch, common::classicColor(band.color));
        painter.drawRect(swatch);
        painter.drawText(QPointF(x + 18, y + metrics.ascent()), QString::fromStdString(band.label));
        y += line;
    }
    painter.setPen(QPen(common::classicColor(kCriticalColor), 1));
    painter.drawText(QPointF(x, y + metrics.ascent()), critical);
}

}  // namespace marvecos
