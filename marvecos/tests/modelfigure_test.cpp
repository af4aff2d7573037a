#include "marvecos/modelfigure.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace marvecos {
namespace {

// Metres per pixel across and up an area of the given size.
double acrossPerPixel(const UserWindow& w, double width) {
    return std::abs(w.right - w.left) / width;
}
double upPerPixel(const UserWindow& w, double height) {
    return std::abs(w.top - w.bottom) / height;
}

TEST(ModelFigure, EqualScaleWindowGrowsOneAxisAroundTheMiddle) {
    struct Case {
        UserWindow wanted;
        double width, height;
        UserWindow expected;
    };
    const Case cases[] = {
        // Today's window of the 10 m by 20 m slope at s = 5 on the 438 x 330 area: y grows.
        {{-55, 27.5, 55, -27.5}, 438, 330, {-55, 55 * 330 / 438.0, 55, -55 * 330 / 438.0}},
        // A steep slope: x grows.
        {{-10, 40, 10, -40}, 400, 400, {-40, 40, 40, -40}},
        // Mirrored coordinates stay mirrored.
        {{22, -11, -22, 11}, 200, 200, {22, -22, -22, 22}},
    };
    for (const Case& c : cases) {
        const UserWindow w = equalScaleWindow(c.wanted, c.width, c.height);
        EXPECT_DOUBLE_EQ(w.left, c.expected.left);
        EXPECT_DOUBLE_EQ(w.right, c.expected.right);
        EXPECT_DOUBLE_EQ(w.top, c.expected.top);
        EXPECT_DOUBLE_EQ(w.bottom, c.expected.bottom);
        EXPECT_DOUBLE_EQ(acrossPerPixel(w, c.width), upPerPixel(w, c.height));
    }
}

TEST(ModelFigure, ScaleToShowHoldsTheBoxAndNoMore) {
    const Extent box{-30, 12, -8, 25};
    const double s = scaleToShow(box, 10, 20, 438, 330);
    const UserWindow w =
        equalScaleWindow({-0.55 * s * 20, 0.55 * s * 10, 0.55 * s * 20, -0.55 * s * 10}, 438, 330);
    // One side of the box touches the window's edge, the other lies within.
    EXPECT_NEAR(std::min(-w.left / 30, w.top / 25), 1, 1e-12);
    EXPECT_EQ(scaleToShow(box, -10, 20, 438, 330), 0);
}

TEST(ModelFigure, LayersWaterAndLoadsOfASlope) {
    SlopeProblem p;
    p.fi = 20;
    p.c = 10;
    p.gam = 18;
    p.H = 10;
    p.L = 20;
    GroundModel m;
    m.layers.push_back({28, 5, 19, {{-30, 40}, {5, -1}}});
    m.base = -8;
    m.water = WaterKind::Piezometric;
    m.piezometric = {{-30, 40}, {1, 1}};
    m.strips.push_back({-14, -6, 20, 10});
    m.lineLoads.push_back({-2, 40});
    m.kh = 0.1;
    const ModelFigure f = modelFigure(p, m, std::nullopt, {-60, 40, 60, -40});

    ASSERT_EQ(f.soils.size(), 2u);
    EXPECT_EQ(f.legend[0].text, "Suelo: fi=20º  c=10 kN/m2  gam=18 kN/m3");
    EXPECT_EQ(f.legend[1].text, "Capa 1: fi=28º  c=5 kN/m2  gam=19 kN/m3");
    // The layer ends at the base, 8 m below the toe: drawn 13 m below the middle of the slope.
    EXPECT_DOUBLE_EQ(*std::min_element(f.soils[1].y.begin(), f.soils[1].y.end()), -13);

    // Water at y = 1 stands on the face from x = 18 and 1 m deep in front of the toe.
    ASSERT_EQ(f.ponds.size(), 1u);
    const auto& pond = f.ponds[0];
    EXPECT_NEAR(*std::min_element(pond.x.begin(), pond.x.end()), 18 - 10, 1e-9);
    EXPECT_DOUBLE_EQ(*std::max_element(pond.y.begin(), pond.y.end()), 1 - 5);
    ASSERT_TRUE(f.waterMark.has_value());

    // The strip's arrows shorten from q1 to q2; the line load; kh toward the toe.
    ASSERT_GE(f.arrows.size(), 4u);
    const double first = f.arrows.front().y1 - f.arrows.front().y2;
    EXPECT_GT(first, 0);
    const FigureArrow& quake = f.arrows.back();
    EXPECT_EQ(quake.color, kQuakeColor);
    EXPECT_GT(quake.x2, quake.x1);
    EXPECT_EQ(f.values.back().text, "kh=0.1");
    EXPECT_EQ(f.values.front().text, "20 a 10 kN/m2");
}

}  // namespace
}  // namespace marvecos
