#include "common/figure.h"

#include <algorithm>
#include <cmath>

namespace common {

Figure::Figure(double left, double bottom, double right, double top, bool equalScales)
    : left_(left), bottom_(bottom), right_(right), top_(top), equalScales_(equalScales) {}

void Figure::line(FigurePoint a, FigurePoint b, Rgb colour, bool dashed) {
    FigureMark m;
    m.kind = FigureMark::Kind::Line;
    m.points = {a, b};
    m.stroke = colour;
    m.dashed = dashed;
    marks_.push_back(m);
}

void Figure::arrow(FigurePoint from, FigurePoint tip, Rgb colour) {
    FigureMark m;
    m.kind = FigureMark::Kind::Arrow;
    m.points = {from, tip};
    m.stroke = colour;
    marks_.push_back(m);
}

void Figure::polygon(const std::vector<FigurePoint>& corners, Rgb stroke, bool filled, Rgb fill) {
    FigureMark m;
    m.kind = FigureMark::Kind::Polygon;
    m.points = corners;
    m.stroke = stroke;
    m.filled = filled;
    m.fill = fill;
    marks_.push_back(m);
}

void Figure::circle(FigurePoint centre, double radius, Rgb colour, bool filled) {
    FigureMark m;
    m.kind = FigureMark::Kind::Circle;
    m.points = {centre};
    m.radius = radius;
    m.stroke = colour;
    m.filled = filled;
    m.fill = colour;
    marks_.push_back(m);
}

void Figure::text(FigurePoint at, const std::string& text, Rgb colour, TextAnchor anchor) {
    FigureMark m;
    m.kind = FigureMark::Kind::Text;
    m.points = {at};
    m.text = text;
    m.stroke = colour;
    m.anchor = anchor;
    marks_.push_back(m);
}

bool Figure::drawable() const {
    const double w = right_ - left_;
    const double h = top_ - bottom_;
    return std::isfinite(w) && std::isfinite(h) && w > 0 && h > 0;
}

double pageScale(const Figure& figure, const PageBox& box) {
    if (!figure.drawable()) {
        return 0;
    }
    const double kx = box.width / (figure.right() - figure.left());
    const double ky = box.height / (figure.top() - figure.bottom());
    return figure.equalScales() ? std::min(kx, ky) : kx;
}

FigurePoint placeOnPage(const Figure& figure, const PageBox& box, FigurePoint user) {
    if (!figure.drawable()) {
        return {box.x, box.y};
    }
    const double width = figure.right() - figure.left();
    const double height = figure.top() - figure.bottom();
    double kx = box.width / width;
    double ky = box.height / height;
    double x0 = box.x, y0 = box.y;
    if (figure.equalScales()) {
        const double k = std::min(kx, ky);
        x0 += (box.width - k * width) / 2;
        y0 += (box.height - k * height) / 2;
        kx = ky = k;
    }
    return {x0 + (user.x - figure.left()) * kx, y0 + (figure.top() - user.y) * ky};
}

}  // namespace common
