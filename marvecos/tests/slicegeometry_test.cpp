#include "marvecos/geometry/slicegeometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "marvecos/geometry/slicequantities.h"

namespace marvecos {
namespace {

// A slope 10 m high with a 20 m face (gradient -0.5) and circles chosen so that the ends of
// the slip surface fall on round numbers.
GeometryInput slope(double Xcr, double Ycr, double R, double n) {
    return GeometryInput{10, 20, Xcr, Ycr, R, n};
}

const GeometryInput kCrestToFace = slope(0, 16, 10, 16);               // enters at x = -8
const GeometryInput kFaceToFace = slope(10, 8, 4, 10);                 // centre over the face
const GeometryInput kFaceToBase = slope(16, 9, std::sqrt(145.0), 16);  // x = 4 to x = 24
const GeometryInput kCrestToBase = slope(12, 17, 25, 10);              // x = -12 to 30.33

TEST(MinMax4, FindsLargestAndSmallestWithinTheSearchLimits) {
    const MinMax r = minMax4(3, -7, 12.5, 0);
    EXPECT_EQ(r.largest, 12.5);
    EXPECT_EQ(r.smallest, -7);
    // The running values start at -100000 and +100000, so values beyond them are not found.
    const MinMax far = minMax4(-200000, -200000, -300000, -300000);
    EXPECT_EQ(far.largest, -100000);
    EXPECT_EQ(far.smallest, -300000);
}

TEST(SliceGeometry, CrestToFaceSplitsTheSlicesAtTheCrestEdge) {
    const SliceGeometry g = computeSliceGeometry(kCrestToFace);
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    EXPECT_EQ(g.caso, 1);
    EXPECT_EQ(g.Xi, -8);
    EXPECT_NEAR(g.Xd, (-6 + std::sqrt(356.0)) / 2.5, 1e-12);
    // Half the slices behind the crest, 1 m wide; the other half share the face equally.
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(g.X[i], -8 + (i - 1)) << i;
        EXPECT_EQ(g.YS[i], 10) << i;
    }
    for (int i = 10; i <= 16; ++i) {
        EXPECT_NEAR(g.X[i] - g.X[i - 1], g.Xd / 8, 1e-12) << i;
        EXPECT_DOUBLE_EQ(g.YS[i], 10 - 0.5 * g.X[i]) << i;
    }
    EXPECT_EQ(g.Y[1], 10);
    EXPECT_EQ(g.Y[9], 6);  // straight below the centre
    EXPECT_FALSE(g.warnFewSlices);
}

TEST(SliceGeometry, FaceToFaceHasEqualWidths) {
    const SliceGeometry g = computeSliceGeometry(kFaceToFace);
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    EXPECT_EQ(g.caso, 2);
    EXPECT_NEAR(g.Xi, (22 - std::sqrt(44.0)) / 2.5, 1e-12);
    EXPECT_NEAR(g.Xd, (22 + std::sqrt(44.0)) / 2.5, 1e-12);
    const double w = (g.Xd - g.Xi) / 10;
    for (int i = 2; i <= 11; ++i) {
        EXPECT_NEAR(g.X[i] - g.X[i - 1], w, 1e-12) << i;
        EXPECT_LE(g.Y[i], g.YS[i]) << i;
    }
    // The first point lies on the circle and the face: any lift is rounding, so no warning.
    EXPECT_FALSE(g.warnFewSlices);
    EXPECT_EQ(g.Y[1], g.YS[1]);
}

TEST(SliceGeometry, FaceToBaseBreaksExactlyAtTheToe) {
    const SliceGeometry g = computeSliceGeometry(kFaceToBase);
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    EXPECT_EQ(g.caso, 3);
    EXPECT_EQ(g.Xi, 4);
    EXPECT_EQ(g.Xd, 24);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(g.X[i], 4 + 2 * (i - 1)) << i;
    }
    EXPECT_EQ(g.X[9], 20);
    EXPECT_EQ(g.X[12], 21.5);
    EXPECT_EQ(g.X[16], 23.5);
    EXPECT_EQ(g.X[17], 24);
    for (int i = 9; i <= 17; ++i) {
        EXPECT_EQ(g.YS[i], 0) << i;
    }
}

TEST(SliceGeometry, CrestToBaseWithTenSlicesHasTwoSixAndTwo) {
    const SliceGeometry g = computeSliceGeometry(kCrestToBase);
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    EXPECT_EQ(g.caso, 4);
    int behind = 0, face = 0, beyond = 0;
    for (int k = 1; k <= 10; ++k) {
        if (g.X[k + 1] <= 0) {
            ++behind;
        } else if (g.X[k + 1] <= 20) {
            ++face;
        } else {
            ++beyond;
        }
    }
    EXPECT_EQ(behind, 2);
    EXPECT_EQ(face, 6);
    EXPECT_EQ(beyond, 2);
    EXPECT_EQ(g.Y[1], 10);
    EXPECT_EQ(g.YS[1], 10);
}

TEST(SliceGeometry, LastBoundaryIsTheExitPointInEveryCase) {
    for (const GeometryInput& in : {kCrestToFace, kFaceToFace, kFaceToBase, kCrestToBase,
                                    slope(10, 8, 4, 13), slope(12, 17, 25, 37)}) {
        const SliceGeometry g = computeSliceGeometry(in);
        ASSERT_EQ(g.status, GeometryStatus::Ok);
        const int last = g.slices + 1;
        EXPECT_EQ(g.X[last], g.Xd) << g.caso;
        EXPECT_LE(g.Y[last], g.YS[last]) << g.caso;
        if (g.caso == 2) {
            EXPECT_EQ(g.Y[last], g.YS[last]);
        }
    }
}

TEST(SliceGeometry, LastSlipPointOfCrestOrBaseCirclesLiesOnTheCircle) {
    const GeometryInput in{13.68, 27.23, -4.34, 18.45, 16.3, 99};
    const SliceGeometry g = computeSliceGeometry(in);
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    ASSERT_EQ(g.caso, 1);
    const double onCircle = in.Ycr - std::sqrt(in.R * in.R - (g.Xd - in.Xcr) * (g.Xd - in.Xcr));
    EXPECT_EQ(g.X[50], 0);
    EXPECT_EQ(g.X[100], g.Xd);
    EXPECT_EQ(g.Y[100], onCircle);
    EXPECT_NEAR(g.YS[100], 9.13897598877519, 1e-12);
    EXPECT_NEAR(g.Y[100], g.YS[100], 1e-9);

    // Face to base with the centre below the base: the lower half of the circle at Xd.
    const SliceGeometry b = computeSliceGeometry({2.78, 5.03, 8.96, -1.4, 5.34, 100});
    ASSERT_EQ(b.status, GeometryStatus::Ok);
    ASSERT_EQ(b.caso, 3);
    EXPECT_EQ(b.YS[101], 0);
    EXPECT_NEAR(b.Y[101], -2.8, 1e-12);
}

TEST(SliceGeometry, FractionalSliceCountUsesItsWholePartForTheBoundaries) {
    GeometryInput in = kFaceToFace;
    in.n = 10.5;
    const SliceGeometry g = computeSliceGeometry(in);
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    EXPECT_EQ(g.slices, 10);
    // The widths use n unrounded; the last slice takes up what is left.
    EXPECT_NEAR(g.X[2] - g.X[1], (g.Xd - g.Xi) / 10.5, 1e-12);
    EXPECT_EQ(g.X[11], g.Xd);
}

TEST(SliceGeometry, FirstPointBelowTheGroundIsLiftedAndWarnsOnlyBelowSixtySlices) {
    // Centre below the face: the circle enters the face with its upper half.
    GeometryInput in = slope(10, 0, 12, 10);
    SliceGeometry g = computeSliceGeometry(in);
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    EXPECT_TRUE(g.firstPointLifted);
    EXPECT_TRUE(g.warnFewSlices);
    EXPECT_EQ(g.Y[1], g.YS[1]);

    in.n = 59.5;
    EXPECT_TRUE(computeSliceGeometry(in).warnFewSlices);
    in.n = 60;
    g = computeSliceGeometry(in);
    EXPECT_TRUE(g.firstPointLifted);
    EXPECT_FALSE(g.warnFewSlices);
    EXPECT_EQ(g.Y[1], g.YS[1]);
}

TEST(SliceGeometry, BrokenCirclesReportAStatusInsteadOfNumbers) {
    // Far from the face.
    EXPECT_EQ(computeSliceGeometry(slope(100, 100, 5, 10)).status, GeometryStatus::NoFaceCrossing);
    // Cuts the face line but never reaches the crest level.
    EXPECT_EQ(computeSliceGeometry(slope(10, 4, 3, 10)).status, GeometryStatus::NoCrestLevel);
    // Four slices cannot be shared 2k, n - 4k, 2k.
    EXPECT_EQ(computeSliceGeometry(slope(12, 17, 25, 5)).status, GeometryStatus::ZeroDivision);
    EXPECT_EQ(computeSliceGeometry(slope(0, 16, 10, 1)).status, GeometryStatus::ZeroDivision);
    EXPECT_EQ(computeSliceGeometry(slope(0, 16, 10, 0)).status, GeometryStatus::BadSliceCount);
    EXPECT_EQ(computeSliceGeometry(slope(0, 16, 10, 105)).status, GeometryStatus::BadSliceCount);
    EXPECT_EQ(computeSliceGeometry(slope(0, 16, 10, NAN)).status, GeometryStatus::BadSliceCount);
    EXPECT_NE(computeSliceGeometry(GeometryInput{1e200, 20, 12, 17, 1e200, 10}).status,
              GeometryStatus::Ok);
    EXPECT_NE(computeSliceGeometry(GeometryInput{10, 20, 12, 17, INFINITY, 10}).status,
              GeometryStatus::Ok);
}

TEST(SliceGeometry, ZeroFaceLengthGivesFiniteNumbers) {
    // A redraw may see L = 0 before the checks run.
    GeometryInput in = kCrestToBase;
    in.L = 0;
    const SliceGeometry g = computeSliceGeometry(in);
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    for (int i = 1; i <= g.slices + 1; ++i) {
        EXPECT_TRUE(std::isfinite(g.X[i]) && std::isfinite(g.Y[i]) && std::isfinite(g.YS[i]));
    }
    const SliceQuantities q = sliceQuantities(g, soilHeights(g, in.L), 18);
    EXPECT_GT(q.degenerateSlices, 0);
    EXPECT_TRUE(std::isfinite(q.sumWtan));
}

TEST(SliceQuantities, SoilInFrontOfTheToeCountsLikeTheSoilUnderTheFace) {
    const SliceGeometry g = computeSliceGeometry(kFaceToBase);
    const std::vector<double> DY = soilHeights(g, 20);
    for (int i = 1; i <= 17; ++i) {
        EXPECT_EQ(DY[i], g.YS[i] - g.Y[i]) << i;
    }
    EXPECT_NEAR(DY[9], std::sqrt(129.0) - 9, 1e-12);
    EXPECT_NEAR(DY[13], std::sqrt(109.0) - 9, 1e-12);
    EXPECT_EQ(DY[17], 0);
    const SliceQuantities q = sliceQuantities(g, DY, 20);
    EXPECT_EQ(q.degenerateSlices, 0);
    for (int k = 9; k <= 16; ++k) {
        EXPECT_NEAR(q.A[k], (DY[k] + DY[k + 1]) * 0.25, 1e-12) << k;
        EXPECT_GT(q.w[k], 0) << k;
    }
    // Slice 1: trapezoid between heights 0 and 8 - 2.2918 over 2 m.
    EXPECT_NEAR(q.A[1], (DY[1] + DY[2]) * 0.5 * 2, 1e-12);
    EXPECT_NEAR(q.w[1], q.A[1] * 20, 1e-12);
    const double dy = g.Y[2] - g.Y[1];
    EXPECT_NEAR(q.L1[1], std::sqrt(4 + dy * dy), 1e-12);
    EXPECT_NEAR(q.sen[1], -dy / q.L1[1], 1e-12);
    EXPECT_NEAR(q.cos[1], 2 / q.L1[1], 1e-12);
    EXPECT_NEAR(q.tanA[1], -dy / 2, 1e-12);
    EXPECT_NEAR(q.secA[1], q.L1[1] / 2, 1e-12);
    double sumWsen = 0;
    for (int k = 1; k <= 16; ++k) {
        sumWsen += q.w[k] * q.sen[k];
        EXPECT_EQ(q.wsen[k], q.w[k] * q.sen[k]);
        EXPECT_EQ(q.wcos[k], q.w[k] * q.cos[k]);
    }
    EXPECT_DOUBLE_EQ(q.sumWsen, sumWsen);
}

TEST(SliceQuantities, FrictionUsesPiAsFourDecimals) {
    EXPECT_EQ(frictionTangent(30), std::tan(30 * 3.1416 / 180));
    EXPECT_EQ(frictionTangent(0), 0);
}

}  // namespace
}  // namespace marvecos
