#include "fendrolas/ui/footingdrawing.h"

#include <utility>

#include "fendrolas/footingfigures.h"

namespace fendrolas {

FootingDrawing::FootingDrawing(QWidget* parent) : common::FigureView(parent) {
    setObjectName("Picture1");
    setFigure(footingLegendFigure());
}

void FootingDrawing::redraw(const common::FieldTexts& fields) {
    common::Figure figure = footingSketchOf(fields);
    setFigure(figure.drawable() ? std::move(figure) : footingLegendFigure());
}

}  // namespace fendrolas
