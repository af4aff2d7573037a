#include "common/ui/figureview.h"

#include <QPainter>
#include <utility>

#include "common/ui/figurepainter.h"

namespace common {

namespace {

// Room between the widget's edge and the drawing, in pixels.
constexpr double kMargin = 6;

}  // namespace

FigureView::FigureView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FigureView::setFigure(Figure figure) {
    figure_ = std::move(figure);
    update();
}

QRectF FigureView::drawingBox() const {
    return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QPointF FigureView::toPixels(FigurePoint user) const {
    const QRectF box = drawingBox();
    const FigurePoint p =
        placeOnPage(figure_, PageBox{box.x(), box.y(), box.width(), box.height()}, user);
    return {p.x, p.y};
}

QImage FigureView::image() const {
    QImage picture(size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setFont(font());
    paintOn(painter);
    return picture;
}

void FigureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintOn(painter);
}

void FigureView::paintOn(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    paintFigure(painter, figure_, drawingBox());
}

}  // namespace common
