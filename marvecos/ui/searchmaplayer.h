#pragma once

#include <optional>

#include "marvecos/search/searchmap.h"
#include "marvecos/ui/modellayer.h"
#include "marvecos/ui/slopecanvas.h"

namespace marvecos {

// The factors of a search over its centres, under the slope drawing: a coloured cell per
// centre, the critical centre marked, and a legend of the bands in a corner of the area.
class SearchMapLayer : public CanvasLayer {
public:
    // H and L of the slope searched: the drawing puts a problem point at (x - L/2, y - H/2).
    void setMap(SearchMap map, double H, double L);
    void clear() { map_.reset(); }
    bool shown() const { return map_.has_value(); }
    const std::optional<SearchMap>& map() const { return map_; }

    void paint(QPainter& painter, const CanvasMapping& mapping) const override;
    // A layer whose legend the cells must leave uncovered.
    void avoidLegendOf(const class ModelLayer* layer) { avoid_ = layer; }
    // The box of the map's own legend on the painter's area.
    QRectF legendBox(const QPainter& painter) const;

private:
    void paintCells(QPainter& painter, const CanvasMapping& mapping) const;
    void paintCritical(QPainter& painter, const CanvasMapping& mapping) const;
    void paintLegend(QPainter& painter) const;

    std::optional<SearchMap> map_;
    const ModelLayer* avoid_ = nullptr;
    double dx_ = 0, dy_ = 0;
};

}  // namespace marvecos
