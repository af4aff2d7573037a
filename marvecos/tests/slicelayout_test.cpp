#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/geometry/slicequantities.h"
#include "marvecos/methods/iteration.h"

namespace marvecos {
namespace {

// A 2:1 slope 40 high (fi 20, c 600, gam 120) and a circle of each case on it.
constexpr double H = 40, L = 80;
constexpr double fi = 20, c = 600, gam = 120;

struct Circle {
    int caso;
    double Xcr, Ycr, R;
};

const std::vector<Circle> kCircles = {
    {1, 50, 90, 75},
    {2, 40, 45, 26},
    {3, 70, 50, 52},
    {4, 60, 70, 80},
};

double groundAt(double x) {
    if (x <= 0) {
        return H;
    }
    if (x >= L) {
        return 0;
    }
    return H + (-H / L) * x;
}

Iteration factorOf(SliceMethod method, const GeometryInput& in) {
    const SliceGeometry g = computeSliceGeometry(in);
    EXPECT_EQ(g.status, GeometryStatus::Ok);
    const SliceQuantities q = sliceQuantities(g, soilHeights(g, in.L), gam);
    return iterateFactor(method, q, c, frictionTangent(fi));
}

// Index of the boundary each group of slices ends on: the crest edge, the toe.
struct Breaks {
    int edge = 0, toe = 0;
};

Breaks breaksOf(int caso, int n) {
    switch (caso) {
        case 1:
            return {n / 2 + 1, 0};
        case 3:
            return {0, n / 2 + 1};
        case 4:
            return {2 * (n / 8) + 1, n - 2 * (n / 8) + 1};
        default:
            return {};
    }
}

TEST(SliceLayout, GroupsEndExactlyOnTheCrestEdgeAndTheToeForEveryCount) {
    for (const Circle& circle : kCircles) {
        for (int n = 10; n <= 100; ++n) {
            SCOPED_TRACE(testing::Message() << "caso " << circle.caso << " n " << n);
            const SliceGeometry g =
                computeSliceGeometry({H, L, circle.Xcr, circle.Ycr, circle.R, double(n)});
            ASSERT_EQ(g.status, GeometryStatus::Ok);
            ASSERT_EQ(g.caso, circle.caso);
            const Breaks b = breaksOf(g.caso, n);
            if (b.edge > 0) {
                EXPECT_EQ(g.X[b.edge], 0);
                EXPECT_LT(g.X[b.edge - 1], 0);
                EXPECT_GT(g.X[b.edge + 1], 0);
            }
            if (b.toe > 0) {
                EXPECT_EQ(g.X[b.toe], L);
                EXPECT_LT(g.X[b.toe - 1], L);
                EXPECT_GT(g.X[b.toe + 1], L);
            }
            EXPECT_EQ(g.X[1], g.Xi);
            EXPECT_EQ(g.X[n + 1], g.Xd);
            const std::vector<double> DY = soilHeights(g, L);
            for (int i = 1; i <= n + 1; ++i) {
                EXPECT_DOUBLE_EQ(g.YS[i], groundAt(g.X[i])) << i;
                EXPECT_LE(g.Y[i], g.YS[i]) << i;
                EXPECT_EQ(DY[i], g.YS[i] - g.Y[i]) << i;
                if (i > 1) {
                    EXPECT_GT(g.X[i], g.X[i - 1]) << i;
                }
            }
        }
    }
}

TEST(SliceLayout, SlicesOfAGroupShareItsWidth) {
    const int n = 37;
    const Circle& crestToBase = kCircles[3];
    const SliceGeometry g =
        computeSliceGeometry({H, L, crestToBase.Xcr, crestToBase.Ycr, crestToBase.R, n});
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    const Breaks b = breaksOf(4, n);
    for (int i = 2; i <= n + 1; ++i) {
        const double width = g.X[i] - g.X[i - 1];
        if (i <= b.edge) {
            EXPECT_NEAR(width, -g.Xi / 8, 1e-12) << i;
        } else if (i <= b.toe) {
            EXPECT_NEAR(width, L / 21, 1e-12) << i;
        } else {
            EXPECT_NEAR(width, (g.Xd - L) / 8, 1e-12) << i;
        }
    }
}

TEST(SliceLayout, AFractionalCountWidensTheLastSliceOfItsGroup) {
    const Circle& crestToFace = kCircles[0];
    const SliceGeometry g =
        computeSliceGeometry({H, L, crestToFace.Xcr, crestToFace.Ycr, crestToFace.R, 10.5});
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    ASSERT_EQ(g.slices, 10);
    EXPECT_EQ(g.X[6], 0);
    for (int i = 7; i <= 10; ++i) {
        EXPECT_NEAR(g.X[i] - g.X[i - 1], g.Xd / 5.5, 1e-12) << i;
    }
    EXPECT_NEAR(g.X[11] - g.X[10], 1.5 * g.Xd / 5.5, 1e-12);

    const Circle& crestToBase = kCircles[3];
    const SliceGeometry b =
        computeSliceGeometry({H, L, crestToBase.Xcr, crestToBase.Ycr, crestToBase.R, 10.5});
    ASSERT_EQ(b.status, GeometryStatus::Ok);
    EXPECT_EQ(b.X[3], 0);
    EXPECT_NEAR(b.X[8], 5 * L / 6.5, 1e-12);
    EXPECT_EQ(b.X[9], L);
    EXPECT_NEAR(b.X[10] - b.X[9], (b.Xd - L) / 2, 1e-12);
    EXPECT_EQ(b.X[11], b.Xd);
}

TEST(SliceLayout, AShiftOfTheCircleByRoundingLeavesTheFactorAsItWas) {
    for (const Circle& circle : kCircles) {
        for (int n = 10; n <= 100; ++n) {
            SCOPED_TRACE(testing::Message() << "caso " << circle.caso << " n " << n);
            const GeometryInput in{H, L, circle.Xcr, circle.Ycr, circle.R, double(n)};
            for (SliceMethod method : {SliceMethod::Bishop, SliceMethod::Janbu}) {
                const double fs = factorOf(method, in).result;
                for (double shift : {-1e-12, 1e-12}) {
                    GeometryInput moved = in;
                    moved.Xcr += shift;
                    moved.Ycr -= shift;
                    EXPECT_NEAR(factorOf(method, moved).result, fs, 1e-8);
                }
            }
        }
    }
}

TEST(SliceLayout, CrestToFaceCircleGivesTheFactorOfItsIntendedSlices) {
    const Circle& crestToFace = kCircles[0];
    const auto janbu = [&](double n) {
        return factorOf(SliceMethod::Janbu,
                        {H, L, crestToFace.Xcr, crestToFace.Ycr, crestToFace.R, n})
            .result;
    };
    EXPECT_NEAR(janbu(12), 3.055, 0.0005);
    EXPECT_NEAR(janbu(16), 3.040, 0.0005);
    EXPECT_NEAR(janbu(100), 3.022, 0.0005);
}

// The published check circle of a 2:1 slope, H 40 ft, c' 600 psf, fi' 20 deg, gam 120 pcf, with
// its centre 20 ft right of the crest edge and 30 ft above the crest: simplified Bishop 2.080.
// The circle passes below the toe, so the soil in front of the toe is part of the sliding mass.
TEST(SliceLayout, PublishedCheckCircleBelowTheToeByBishop) {
    const Circle& crestToBase = kCircles[3];
    for (double n : {40.0, 60.0, 100.0}) {
        const Iteration it = factorOf(SliceMethod::Bishop,
                                      {H, L, crestToBase.Xcr, crestToBase.Ycr, crestToBase.R, n});
        ASSERT_TRUE(it.converged);
        EXPECT_NEAR(it.result, 2.080, 0.005 * 2.080) << n;
    }
}

}  // namespace
}  // namespace marvecos
