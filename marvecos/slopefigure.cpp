#include "marvecos/slopefigure.h"

#include <cmath>

namespace marvecos {

namespace {

// The window of a redraw: the slope and s times its size around it, with a margin of a tenth.
std::optional<UserWindow> windowFor(double H, double L, double s) {
    if (!(H * L > 0)) {
        return std::nullopt;
    }
    const UserWindow w{-1.1 * s * L / 2, 1.1 * s * H / 2, 1.1 * s * L / 2, -1.1 * s * H / 2};
    // Numbers beyond the arithmetic, or a slider at 0, give no area to draw in.
    if (!std::isfinite(w.left) || !std::isfinite(w.top) || w.left == w.right || w.top == w.bottom) {
        return std::nullopt;
    }
    return w;
}

FigureLine solid(double x1, double y1, double x2, double y2, int color = kInk) {
    return {x1, y1, x2, y2, color, FigureStyle::Solid};
}

FigureLine dotted(double x1, double y1, double x2, double y2) {
    return {x1, y1, x2, y2, kInk, FigureStyle::Dotted};
}

}  // namespace

UserWindow initialWindow() {
    return *windowFor(1, 1, 5);
}

SlopeFigure slopeFigure(const SlopeProblem& p, double s, const std::optional<SliceGeometry>& g) {
    const double H = p.H, L = p.L;
    const double dx = L / 2, dy = H / 2;
    SlopeFigure f;
    f.window = windowFor(H, L, s);

    const double crestY = H - dy, toeX = L - dx, baseY = -dy;
    f.ground = {solid(-s * L / 2, crestY, -dx, crestY), solid(-dx, crestY, toeX, baseY),
                solid(toeX, baseY, s * L / 2, baseY)};

    const double cx = p.Xcr - dx, cy = p.Ycr - dy;
    if (g && g->slices > 0) {
        // The point in the middle of the slip surface: index Int(n/2) of the n+1 boundaries.
        const int middle = static_cast<int>(std::floor(p.n / 2));
        if (middle >= 1 && middle <= g->slices + 1) {
            const auto k = static_cast<std::size_t>(middle);
            f.radius.push_back(solid(g->X[k] - dx, g->Y[k] - dy, cx, cy, kRadiusColor));
        }
        for (std::size_t i = 1; i <= static_cast<std::size_t>(g->slices); ++i) {
            f.slipSurface.push_back(
                solid(g->X[i] - dx, g->Y[i] - dy, g->X[i + 1] - dx, g->Y[i + 1] - dy, kSlipColor));
        }
    }

    f.marks = {{-dx, baseY, H / 50}, {cx, cy, H / 50}};
    f.axes = {dotted(-dx, baseY, s * L / 2, baseY), dotted(-dx, baseY, -dx, s * H / 2)};
    f.letters = {{s * L / 2, baseY, "X"}, {-dx, s * H / 2, "Y"}};
    return f;
}

}  // namespace marvecos
