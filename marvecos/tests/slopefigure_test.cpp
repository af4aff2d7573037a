#include "marvecos/slopefigure.h"

#include <gtest/gtest.h>

namespace marvecos {
namespace {

SlopeProblem sample() {
    SlopeProblem p;
    p.fi = 20;
    p.c = 10;
    p.gam = 18;
    p.H = 10;
    p.L = 20;
    p.Xcr = 5;
    p.Ycr = 20;
    p.R = 20;
    p.n = 10;
    return p;
}

TEST(SlopeFigure, ProblemPointsSitAroundTheMiddleOfTheSlope) {
    const SlopeProblem p = sample();
    const SliceGeometry g = computeSliceGeometry(geometryInput(p));
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    const SlopeFigure f = slopeFigure(p, 5, g);
    ASSERT_TRUE(f.window);
    EXPECT_EQ(*f.window, (UserWindow{-55, 27.5, 55, -27.5}));

    // Crest plane from -s*L/2 to the crest edge, the face to the toe, the base to +s*L/2.
    ASSERT_EQ(f.ground.size(), 3u);
    EXPECT_DOUBLE_EQ(f.ground[0].x1, -50);
    EXPECT_DOUBLE_EQ(f.ground[0].y1, 5);
    EXPECT_DOUBLE_EQ(f.ground[1].x1, -10);
    EXPECT_DOUBLE_EQ(f.ground[1].y1, 5);
    EXPECT_DOUBLE_EQ(f.ground[1].x2, 10);
    EXPECT_DOUBLE_EQ(f.ground[1].y2, -5);
    EXPECT_DOUBLE_EQ(f.ground[2].x2, 50);
    EXPECT_DOUBLE_EQ(f.ground[2].y2, -5);

    // The green radius from boundary Int(n/2) = 5 to the centre (5, 20) drawn at (-5, 15).
    ASSERT_EQ(f.radius.size(), 1u);
    EXPECT_EQ(f.radius[0].color, kRadiusColor);
    EXPECT_DOUBLE_EQ(f.radius[0].x1, g.X[5] - 10);
    EXPECT_DOUBLE_EQ(f.radius[0].y1, g.Y[5] - 5);
    EXPECT_DOUBLE_EQ(f.radius[0].x2, -5);
    EXPECT_DOUBLE_EQ(f.radius[0].y2, 15);

    // The light-blue slip surface joins the n+1 boundaries in order.
    ASSERT_EQ(f.slipSurface.size(), 10u);
    EXPECT_EQ(f.slipSurface[0].color, kSlipColor);
    EXPECT_DOUBLE_EQ(f.slipSurface[0].x1, g.X[1] - 10);
    EXPECT_DOUBLE_EQ(f.slipSurface[9].x2, g.X[11] - 10);
    EXPECT_DOUBLE_EQ(f.slipSurface[9].y2, g.Y[11] - 5);

    ASSERT_EQ(f.marks.size(), 2u);
    EXPECT_DOUBLE_EQ(f.marks[0].x, -10);
    EXPECT_DOUBLE_EQ(f.marks[0].y, -5);
    EXPECT_DOUBLE_EQ(f.marks[1].radius, 0.2);

    // Dotted axes from the origin to +s*L/2 and up to +s*H/2, lettered at their ends.
    ASSERT_EQ(f.axes.size(), 2u);
    EXPECT_EQ(f.axes[0].style, FigureStyle::Dotted);
    EXPECT_DOUBLE_EQ(f.axes[0].x2, 50);
    EXPECT_DOUBLE_EQ(f.axes[1].y2, 25);
    ASSERT_EQ(f.letters.size(), 2u);
    EXPECT_EQ(f.letters[0].text, "X");
    EXPECT_DOUBLE_EQ(f.letters[0].x, 50);
    EXPECT_EQ(f.letters[1].text, "Y");
    EXPECT_DOUBLE_EQ(f.letters[1].y, 25);
}

TEST(SlopeFigure, NoCoordinatesWithoutAnAreaToDrawIn) {
    SlopeProblem p = sample();
    p.H = -10;
    EXPECT_FALSE(slopeFigure(p, 5, std::nullopt).window);
    p.L = 0;
    EXPECT_FALSE(slopeFigure(p, 5, std::nullopt).window);
    p = sample();
    p.H = 1e308;
    p.L = 1e308;
    EXPECT_FALSE(slopeFigure(p, 20, std::nullopt).window);
    // Both negative: H x L > 0, and the picture is mirrored as the coordinates say.
    p = sample();
    p.H = -10;
    p.L = -20;
    EXPECT_EQ(*slopeFigure(p, 2, std::nullopt).window, (UserWindow{22, -11, -22, 11}));
}

TEST(SlopeFigure, WithoutGeometryTheCircleIsLeftOut) {
    const SlopeFigure f = slopeFigure(sample(), 5, std::nullopt);
    EXPECT_TRUE(f.slipSurface.empty());
    EXPECT_TRUE(f.radius.empty());
    EXPECT_EQ(f.ground.size(), 3u);
    EXPECT_EQ(f.marks.size(), 2u);
}

TEST(SlopeFigure, FractionalSliceCountUsesTheWholeSlicesAndItsHalf) {
    SlopeProblem p = sample();
    p.n = 15.5;
    const SliceGeometry g = computeSliceGeometry(geometryInput(p));
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    const SlopeFigure f = slopeFigure(p, 5, g);
    EXPECT_EQ(f.slipSurface.size(), static_cast<std::size_t>(g.slices));
    ASSERT_EQ(f.radius.size(), 1u);
    EXPECT_DOUBLE_EQ(f.radius[0].x1, g.X[7] - 10);
}

}  // namespace
}  // namespace marvecos
