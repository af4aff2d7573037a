#pragma once

#include <optional>
#include <string>
#include <vector>

#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/problem.h"

namespace marvecos {

// User coordinates of a drawing area: the x at its left and right edges, the y at its top and
// bottom edges.
struct UserWindow {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const UserWindow&) const = default;
};

// The coordinates of a redraw before the first one with a slope to size them on: those of a
// slope of 1 m by 1 m at the slider's start.
UserWindow initialWindow();

enum class FigureStyle { Solid, Dotted };

struct FigureLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int color = 0;  // entry of the classic 16-colour palette
    FigureStyle style = FigureStyle::Solid;
};

struct FigureCircle {
    double x = 0, y = 0, radius = 0;  // radius in horizontal units
};

struct FigureText {
    double x = 0, y = 0;
    std::string text;
};

// Everything the slope drawing holds, in drawing coordinates: a problem point (x, y) lies at
// (x - L/2, y - H/2), so the middle of the slope is the middle of the area.
struct SlopeFigure {
    // The coordinates this redraw sets; none when H*L <= 0, and the area keeps the last ones.
    std::optional<UserWindow> window;
    std::vector<FigureLine> ground;       // crest plane, face, base plane
    std::vector<FigureLine> radius;       // from the middle of the slip surface to the centre
    std::vector<FigureLine> slipSurface;  // through the n+1 boundary points
    std::vector<FigureCircle> marks;      // the origin and the centre of the circle
    std::vector<FigureLine> axes;         // dotted, from the origin
    std::vector<FigureText> letters;      // "X" and "Y" at the ends of the axes
};

// Palette entries of the drawing.
constexpr int kInk = 0;          // black
constexpr int kRadiusColor = 2;  // green
constexpr int kSlipColor = 9;    // light blue
constexpr int kPaper = 15;       // bright white

// The slope, its circle and the axes at the slider position s. Without a slice geometry (a
// circle that does not cut the ground as the slices need) the slip surface and the radius are
// left out.
SlopeFigure slopeFigure(const SlopeProblem& p, double s, const std::optional<SliceGeometry>& g);

}  // namespace marvecos
