#pragma once

#include <QRectF>

#include "marvecos/modelfigure.h"
#include "marvecos/ui/slopecanvas.h"

namespace marvecos {

// The ground model under the slope's lines: soils, water, loads, kh, the circle and its slices,
// with the legend of the soils in the lower left corner of the area.
class ModelLayer : public CanvasLayer {
public:
    void setFigure(ModelFigure figure) { figure_ = std::move(figure); }
    const ModelFigure& figure() const { return figure_; }
    void paint(QPainter& painter, const CanvasMapping& mapping) const override;

    // Where the legend stands on an area of that size: nothing else is drawn under it.
    QRectF legendBox(const QPainter& painter) const;
    void paintLegend(QPainter& painter) const;

    // The legend as a layer of its own, painted over everything else.
    class Legend : public CanvasLayer {
    public:
        explicit Legend(const ModelLayer& model) : model_(model) {}
        void paint(QPainter& painter, const CanvasMapping&) const override {
            model_.paintLegend(painter);
        }

    private:
        const ModelLayer& model_;
    };
    const Legend& legend() const { return legend_; }

private:
    ModelFigure figure_;
    Legend legend_{*this};
};

}  // namespace marvecos
