#pragma once

// The ground model drawn over the slope: layers filled with a legend of their soils, the base,
// the water, the loads, the earthquake coefficient, and the circle with its slices. Also the
// arithmetic that keeps the drawing true to scale: equal metres per pixel in x and y, the
// slope in the middle at every zoom, and the zoom that shows the whole problem.
//
// Drawing coordinates as in slopefigure.h: a problem point (x, y) lies at (x - L/2, y - H/2).

#include <optional>
#include <string>
#include <vector>

#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/model/groundmodel.h"
#include "marvecos/problem.h"
#include "marvecos/slopefigure.h"

namespace marvecos {

// The window wanted, grown along one axis so that a metre takes as many pixels across as it
// takes up and down on an area of the given size; the middle stays where it was.
UserWindow equalScaleWindow(const UserWindow& wanted, double widthPixels, double heightPixels);

// A box in drawing coordinates.
struct Extent {
    double left = 0, right = 0, bottom = 0, top = 0;
};

// The smallest slider factor s whose window (slopefigure.h, then equalScaleWindow) holds the
// box, the slope staying in the middle; 0 when H*L <= 0.
double scaleToShow(const Extent& box, double H, double L, double widthPixels, double heightPixels);

// Everything of the problem that the picture should show: the slope, the circle's centre and
// slip surface, the points of the layers and the water, the base and the loads.
Extent problemExtent(const SlopeProblem& p, const GroundModel& model,
                     const std::optional<SliceGeometry>& g);

struct FigurePolygon {
    std::vector<double> x, y;
    unsigned rgb = 0;  // 0xRRGGBB
};

// From its tail to its head.
struct FigureArrow {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int color = 0;
};

struct LegendEntry {
    unsigned rgb = 0;  // the swatch; 0 for a line of text alone
    std::string text;
};

struct ModelFigure {
    std::vector<FigurePolygon> soils;  // top soil first, then each layer
    std::vector<LegendEntry> legend;
    std::vector<FigureLine> boundaries;  // tops of the layers, where they are not the ground
    std::vector<FigureLine> base;
    std::vector<FigurePolygon> ponds;     // water standing on the ground
    std::vector<FigureLine> water;        // the piezometric line
    std::optional<FigureText> waterMark;  // a point of the line the inverted triangle sits on
    std::vector<FigureArrow> arrows;      // loads (downward) and the earthquake (toward the toe)
    std::vector<FigureText> values;       // their values, at the arrows' tails
    std::vector<FigureLine> slices;       // the sides of the slices
    std::optional<FigureCircle> circle;   // the whole slip circle, dotted
};

// Palette entries and fills of the model.
constexpr int kWaterColor = 1;   // blue
constexpr int kBaseColor = 8;    // dark grey
constexpr int kSliceColor = 8;   // dark grey
constexpr int kLoadColor = 4;    // red
constexpr int kQuakeColor = 5;   // magenta
constexpr int kCircleColor = 9;  // light blue, as the slip surface
constexpr unsigned kPondFill = 0xBFE3F7;

// The model over the shown window (the area's window in drawing coordinates, after
// equalScaleWindow): soils reach its edges and the lowest one its bottom (or the base).
ModelFigure modelFigure(const SlopeProblem& p, const GroundModel& model,
                        const std::optional<SliceGeometry>& g, const UserWindow& shown);

}  // namespace marvecos
