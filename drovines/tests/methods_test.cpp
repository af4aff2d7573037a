#include "drovines/methods.h"

#include <gtest/gtest.h>

#include <cmath>

#include "drovines/calcular.h"
#include "drovines/hansen.h"
#include "drovines/readdata.h"
#include "drovines/thrust.h"
#include "tests/wallfields.h"

namespace drovines {
namespace {

using common::Message;
using common::MessageIcon;

const double kDeg = 3.1416 / 180;

std::vector<Message> oneBox(const std::string& text, const std::string& title, MessageIcon icon) {
    return {Message{text, title, icon}};
}

WallRecord recordOf(common::MemoryFields& fields) {
    common::RecordingMessages messages;
    WallRecord r;
    EXPECT_EQ(readdata(fields, messages, r), 0);
    return r;
}

// The wall with water and surcharge of the examples, checked against a separate calculation.
common::MemoryFields wallWithWaterAndSurcharge() {
    common::MemoryFields f = sampleWall();
    f.setText("gam", "17");
    f.setText("fi", "32");
    f.setText("w", "10");
    f.setText("hn", "1.5");
    f.setText("b1", "1.5");
    f.setText("H", "5");
    f.setText("alfa", "10");
    f.setText("alfa2", "8");
    f.setText("delta", "20");
    f.setText("q", "10");
    f.setText("df", "1.2");
    f.setText("delta2", "25");
    return f;
}

TEST(SoilWeights, SolidWeightGivesNoVoidsAndSubmergedWeight17) {
    auto fields = sampleWall();
    fields.setText("gam", "27");
    Arithmetic ar;
    const SoilWeights s = soilWeights(recordOf(fields), ar);
    EXPECT_EQ(s.e, 0);
    EXPECT_EQ(s.gsub, 17);
    EXPECT_FALSE(ar.failed());
}

TEST(Rankine, LevelBackfillGivesAboutOneThirdForThirtyDegrees) {
    auto fields = sampleWall();
    common::RecordingMessages messages;
    const auto res = Rankine(recordOf(fields), {}, messages);
    ASSERT_TRUE(res);
    const double s = std::sin(30 * kDeg);
    EXPECT_FLOAT_EQ((*res)[1], static_cast<float>((1 - s) / (1 + s)));
    EXPECT_NEAR((*res)[1], 1.0 / 3, 1e-4);
    // Dry sand, 4 m: E = ka gam H^2 / 2, horizontal, at H/3.
    EXPECT_NEAR((*res)[5], (*res)[1] * 18 * 16 / 2, 1e-3);
    EXPECT_FLOAT_EQ((*res)[16], (*res)[5] * 4.0f / 3);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Rankine, SlopeEqualToFrictionGivesCosineOfSlope) {
    auto fields = sampleWall();
    fields.setText("beta", "30");
    common::RecordingMessages messages;
    const auto res = Rankine(recordOf(fields), {}, messages);
    ASSERT_TRUE(res);
    EXPECT_FLOAT_EQ((*res)[1], static_cast<float>(std::cos(30 * kDeg)));
    // Without "Considerar angulo delta" the thrust follows the slope.
    EXPECT_FLOAT_EQ((*res)[10], 30);
}

TEST(Rankine, SlopeSteeperThanFrictionStopsWithItsMessage) {
    auto fields = sampleWall();
    fields.setText("beta", "31");
    common::RecordingMessages messages;
    EXPECT_FALSE(Rankine(recordOf(fields), {}, messages));
    EXPECT_EQ(messages.shown, oneBox("Hay un error con el angulo del talud, radicando negativo al "
                                     "calcular ka.",
                                     "Sub Rankine: ERROR", MessageIcon::Critical));
}

TEST(Rankine, ZeroFrictionAngleIsAnArithmeticFailure) {
    auto fields = sampleWall();
    fields.setText("fi", "0");
    fields.setText("co", "10");
    common::RecordingMessages messages;
    EXPECT_FALSE(Rankine(recordOf(fields), {}, messages));
    EXPECT_EQ(messages.shown, oneBox("Ocurrio un error inesperado, puede ser que un angulo sea el "
                                     "problema.",
                                     "Sub Rankine: ERROR", MessageIcon::Critical));
}

TEST(Rankine, FiguresBeyondSinglePrecisionAreAFailureNotAnInfinity) {
    auto fields = sampleWall();
    fields.setText("gm", "1E+38");
    common::RecordingMessages messages;
    EXPECT_FALSE(Rankine(recordOf(fields), {}, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Sub Rankine: ERROR");
}

TEST(Rankine, NoWaterTableLeavesWaterTermsAtZero) {
    auto fields = wallWithWaterAndSurcharge();
    fields.setText("hn", "0");
    common::RecordingMessages messages;
    const auto res = Rankine(recordOf(fields), {true, true}, messages);
    ASSERT_TRUE(res);
    for (int i : {4, 6, 7, 15, 18, 20, 50}) {
        EXPECT_EQ((*res)[i], 0) << i;
    }
    EXPECT_GT((*res)[5], 0);
}

TEST(Rankine, MatchesAnIndependentCalculationWithWaterWedgeAndSurcharge) {
    auto fields = wallWithWaterAndSurcharge();
    common::RecordingMessages messages;
    const auto res = Rankine(recordOf(fields), {true, false}, messages);
    ASSERT_TRUE(res);
    const auto& r = *res;
    EXPECT_NEAR(r[1], 0.3072576, 1e-6);
    EXPECT_NEAR(r[12], 39.630318, 1e-4);   // Wm: wedge only
    EXPECT_NEAR(r[30], 48.446688, 1e-4);   // Ps: wedge and surcharge on it
    EXPECT_NEAR(r[21], 202.377211, 1e-3);  // MV
    EXPECT_NEAR(r[27], 517.982397, 1e-3);  // MEV
    EXPECT_NEAR(r[28], 2.559490, 1e-5);
    EXPECT_NEAR(r[34], 300.585545, 1e-3);
    EXPECT_NEAR(r[35], 277.452973, 1e-3);
    EXPECT_NEAR(r[36], 0.404663, 1e-5);
    EXPECT_NEAR(r[37], 1352.577358, 1e-2);
    EXPECT_NEAR(r[38], 4.874979, 1e-5);
    EXPECT_NEAR(r[45], 1.605439, 1e-5);
    // MEV is the sum of the stabilising moments listed under it.
    EXPECT_NEAR(r[27], r[22] + r[23] + r[24] + r[25] + r[26], 1e-3);
}

// A rectangular wall 2.5 m wide and 4 m high (gm 22) retaining dry sand (gam 18, fi 30) with
// the water 2 m above the base, worked by hand:
//   ka = 1/3; gsub = 18 + (1/3) 10 - 10 = 11.333; S1 = ka 18 x 2 = 12.000, S2 = ka 11.333 x 2
//   = 7.556; E1 = 12.000 at y1 = 2.667, E2 = 19.556 at y2 = 2 (24 + 7.556)/(3 x 19.556) = 1.076,
//   Ew = 10 x 2^2/2 = 20 at 0.667; uplift Es = 10 x 2 x 2.5/2 = 25 at 2/3 of B from the toe.
//   MV = 32.000 + 21.037 + 13.333 + 25 x 5/3 = 108.037; the wall alone stabilises:
//   MEV = 220 x 1.25 = 275, fsm = 275/108.037 = 2.545 (3.008 when Ew x B was counted as
//   stabilising).
//   About the centre: the weight has no arm, the thrusts overturn by 66.370 and the uplift by
//   25 x 2.5/6 = 10.417: Mc = 76.787, Nef = 220 - 25 = 195, ex = 0.394 (0.426 before).
//   Strip of B' = 2.5 - 2 x 0.394 = 1.712 m: k = 1/1.712 = 0.584, dq = 1 + 0.2887 x 0.584 =
//   1.169; FH = 51.555, iq = (1 - 0.5 x 51.555/195)^3.5 = 0.609, ig = (1 - 0.7 x 51.555/195)^2.5
//   = 0.600; qu = 18 x 18.401 x 1.169 x 0.609 + 0.5 x 18 x 1.712 x 15.07 x 0.600 = 374.9,
//   Nu = 374.9 x 1.712 = 642.0.
TEST(Rankine, WallWithWaterOverturningAndEccentricityByHand) {
    auto fields = sampleWall();
    fields.setText("hn", "2");
    fields.setText("b1", "2.5");
    common::RecordingMessages messages;
    const auto res = Rankine(recordOf(fields), {}, messages);
    ASSERT_TRUE(res);
    const auto& r = *res;
    EXPECT_NEAR(r[5], 12.000, 1e-3);
    EXPECT_NEAR(r[6], 19.556, 1e-3);
    EXPECT_FLOAT_EQ(r[7], 20);
    EXPECT_FLOAT_EQ(r[15], 25);
    EXPECT_NEAR(r[21], 108.037, 1e-3);
    EXPECT_FLOAT_EQ(r[27], 275);
    EXPECT_NEAR(r[28], 2.5454, 1e-4);
    EXPECT_FLOAT_EQ(r[35], 195);
    EXPECT_NEAR(r[36], 0.39378, 1e-5);
    EXPECT_NEAR(r[37], 642.0, 0.1);
    EXPECT_NEAR(r[38], 642.0 / 195, 1e-3);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Rankine, TickBoxesTurnTheThrustAndCountTheWedge) {
    auto fields = wallWithWaterAndSurcharge();
    common::RecordingMessages messages;
    const WallRecord record = recordOf(fields);
    const auto plain = Rankine(record, {false, false}, messages);
    const auto ticked = Rankine(record, {true, true}, messages);
    ASSERT_TRUE(plain && ticked);
    EXPECT_FLOAT_EQ((*plain)[10], 0);
    EXPECT_FLOAT_EQ((*ticked)[10], 30);  // delta + alfa
    EXPECT_EQ((*plain)[12], 0);
    EXPECT_GT((*ticked)[12], 0);

    // A back face leaning over the backfill has no wedge to count.
    fields.setText("alfa", "-5");
    const auto leaning = Rankine(recordOf(fields), {true, false}, messages);
    ASSERT_TRUE(leaning);
    EXPECT_EQ((*leaning)[12], 0);
    EXPECT_EQ((*leaning)[30], 0);
}

TEST(Rankine, BaseFrictionIsTwoThirdsOfFiUnlessGiven) {
    auto fields = sampleWall();
    common::RecordingMessages messages;
    auto res = Rankine(recordOf(fields), {}, messages);
    ASSERT_TRUE(res);
    EXPECT_FLOAT_EQ((*res)[44], static_cast<float>((*res)[35] * 2 * std::tan(30 * kDeg) / 3));

    fields.setText("delta2", "30");
    res = Rankine(recordOf(fields), {}, messages);
    ASSERT_TRUE(res);
    EXPECT_FLOAT_EQ((*res)[44], static_cast<float>((*res)[35] * std::tan(30 * kDeg)));
}

TEST(Coulomb, PublishedCoefficientForWallFriction) {
    auto fields = sampleWall();
    fields.setText("delta", "20");
    common::RecordingMessages messages;
    const auto res = Coulomb(recordOf(fields), messages);
    ASSERT_TRUE(res);
    EXPECT_NEAR((*res)[1], 0.297, 5e-4);
    EXPECT_FLOAT_EQ((*res)[10], 20);
}

TEST(Coulomb, MatchesAnIndependentCalculationWithWaterAndSurcharge) {
    auto fields = wallWithWaterAndSurcharge();
    common::RecordingMessages messages;
    const auto res = Coulomb(recordOf(fields), messages);
    ASSERT_TRUE(res);
    const auto& r = *res;
    EXPECT_NEAR(r[1], 0.354271, 1e-6);
    EXPECT_NEAR(r[9], 91.197182, 1e-4);
    EXPECT_NEAR(r[21], 202.158722, 1e-3);  // MV
    EXPECT_NEAR(r[23], 23.306290, 1e-4);   // Msq: the surcharge on the wedge only
    EXPECT_NEAR(r[27], 511.062054, 1e-3);  // MEV = Mem + Msq + Me1 + Me2 + Meq
    EXPECT_NEAR(r[27], r[22] + r[23] + r[24] + r[25] + r[26], 1e-3);
    EXPECT_NEAR(r[28], 2.528024, 1e-5);
    EXPECT_NEAR(r[34], 292.112549, 1e-3);
    EXPECT_NEAR(r[35], 268.979950, 1e-3);
    EXPECT_NEAR(r[36], 0.480393, 1e-5);
    EXPECT_NEAR(r[37], 1211.072937, 1e-2);
    EXPECT_NEAR(r[38], 4.502465, 1e-5);
    EXPECT_NEAR(r[43], 80.486244, 1e-4);
    EXPECT_NEAR(r[44], 125.427750, 1e-3);
    EXPECT_NEAR(r[45], 1.558375, 1e-5);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Coulomb, EqualsRankineForSmoothVerticalWallAndLevelBackfill) {
    auto fields = wallWithWaterAndSurcharge();
    fields.setText("alfa", "0");
    fields.setText("delta", "0");
    common::RecordingMessages messages;
    const WallRecord record = recordOf(fields);
    const auto rankine = Rankine(record, {}, messages);
    const auto coulomb = Coulomb(record, messages);
    ASSERT_TRUE(rankine && coulomb);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_NEAR((*coulomb)[i], (*rankine)[i], 1e-4 * (1 + std::fabs((*rankine)[i]))) << i;
    }
}

TEST(Coulomb, NeverCountsTheWedgeButKeepsTheSurchargeOnIt) {
    auto fields = wallWithWaterAndSurcharge();
    common::RecordingMessages messages;
    const WallRecord record = recordOf(fields);
    const auto res = Coulomb(record, messages);
    ASSERT_TRUE(res);
    EXPECT_EQ((*res)[12], 0);
    const double xw = 5 * std::tan(3.1416 / 2 - record.psi);
    EXPECT_FLOAT_EQ((*res)[30], static_cast<float>(10 * xw));
    EXPECT_FLOAT_EQ((*res)[23], static_cast<float>(10 * xw * (record.B - xw / 2)));
    // The surcharge on the wedge stays out of the vertical load.
    EXPECT_NEAR((*res)[34], (*res)[29] + (*res)[31] + (*res)[32] + (*res)[33], 1e-3);
    EXPECT_FLOAT_EQ((*res)[10], 30);
}

TEST(Coulomb, SteepSlopeStopsWithoutResults) {
    auto fields = sampleWall();
    fields.setText("beta", "35");
    common::RecordingMessages messages;
    EXPECT_FALSE(Coulomb(recordOf(fields), messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Sub Coulomb: ERROR");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);

    messages.shown.clear();
    fields.setText("beta", "0");
    fields.setText("fi", "0");
    EXPECT_FALSE(Coulomb(recordOf(fields), messages));
    EXPECT_EQ(messages.shown, oneBox("Ocurrio un error inesperado, puede ser que un angulo sea el "
                                     "problema.",
                                     "Sub Coulomb: ERROR", MessageIcon::Critical));
}

const double kFi30 = 30 * 3.141592654 / 180;

// Strip footing 2 m wide at 1 m depth in a c-phi soil (c 10, phi 30, gamma 18), worked by hand
// with Nq = 18.401, Nc = 30.140, Ngamma = 1.5 (Nq - 1) tan 30 = 15.070.
TEST(Hansen, StripFootingAsWorkedByHand) {
    common::RecordingMessages messages;
    Arithmetic ar;
    // Centred vertical load: k = 1/2, dc = 1.2, dq = 1 + 2 tan 30 (1 - sin 30)^2 / 2 = 1.1443;
    // qu = 10 x 30.140 x 1.2 + 18 x 18.401 x 1.1443 + 0.5 x 18 x 2 x 15.070 = 361.68 + 379.02 +
    // 271.26 = 1011.96 kPa, Nu = 2 x 1011.96 = 2023.92 kN/m.
    EXPECT_NEAR(Hansen(kFi30, 10, 18, 2, 300, 0, 0, 1, messages, ar), 2023.92, 0.01);

    // V 300, H 40, M 60: e = 0.2, B' = 1.6; k = 1/1.6 = 0.625, dc = 1.25, dq = 1.18042;
    // R = 300 + 1.6 x 0.6 x 10 x cot 30 = 316.628; iq = (1 - 20/316.628)^3.5 = 0.79583,
    // ic = 0.79583 - 0.20417/17.401 = 0.78410, ig = (1 - 28/316.628)^2.5 = 0.79336;
    // qu = 10 x 30.140 x 1.25 x 0.78410 + 18 x 18.401 x 1.18042 x 0.79583
    //    + 0.5 x 18 x 1.6 x 15.070 x 0.79336 = 295.41 + 311.15 + 172.17 = 778.72 kPa;
    // Nu = 778.72 x 1.6 = 1245.95 kN/m.
    EXPECT_NEAR(Hansen(kFi30, 10, 18, 2, 300, 40, 60, 1, messages, ar), 1245.95, 0.01);
    EXPECT_FALSE(ar.failed());
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Hansen, DepthRatioIsTakenOnTheEffectiveWidth) {
    common::RecordingMessages messages;
    Arithmetic ar;
    // Sand, no cohesion, B' = 2. At df = 2 the ratio is 1: k = 1, dq = 1.28868;
    // qu = 36 x 18.401 x 1.28868 + 18 x 15.070 = 853.67 + 271.26, Nu = 2249.85.
    EXPECT_NEAR(Hansen(kFi30, 0, 18, 2, 100, 0, 0, 2, messages, ar), 2249.854, 1e-2);
    // At df = 3 it is above 1: k = atan 1.5 = 0.98279, dq = 1.28371;
    // qu = 54 x 18.401 x 1.28371 + 271.26 = 1546.83, Nu = 3093.65.
    EXPECT_NEAR(Hansen(kFi30, 0, 18, 2, 100, 0, 0, 3, messages, ar), 3093.654, 1e-2);
    EXPECT_FALSE(ar.failed());
}

TEST(Hansen, NarrowEffectiveBaseCarriesLittle) {
    common::RecordingMessages messages;
    Arithmetic ar;
    // Sand at the surface, e = 0.9 on a 2 m base: B' = 0.2, only the weight term,
    // qu = 0.5 x 18 x 0.2 x 15.070 = 27.13 kPa and Nu = 5.43 kN/m, three times less than a
    // weight term taken on 1 m with a shape factor would give.
    EXPECT_NEAR(Hansen(kFi30, 0, 18, 2, 100, 0, 90, 0, messages, ar), 5.4251, 1e-3);
    EXPECT_FALSE(ar.failed());
}

TEST(Hansen, LoadOnTheEdgeOrBeyondIsRefused) {
    const auto refused =
        oneBox("Sub Hansen: La carga no puede salir de la base", "Drovines", MessageIcon::None);
    for (const double M : {100.0, 101.0}) {  // e = Bw/2 and beyond
        common::RecordingMessages messages;
        Arithmetic ar;
        EXPECT_EQ(Hansen(kFi30, 0, 18, 2, 100, 10, M, 1, messages, ar), 0) << M;
        EXPECT_FALSE(ar.failed()) << M;
        EXPECT_EQ(messages.shown, refused) << M;
    }
    common::RecordingMessages messages;
    Arithmetic ar;
    EXPECT_GT(Hansen(kFi30, 0, 18, 2, 100, 10, 99.9, 1, messages, ar), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Calcular, RunsOnlyAfterValidationAndWithARunnableMethod) {
    common::RecordingMessages messages;
    auto fields = sampleWall();
    EXPECT_EQ(calcular(fields, Method::Rankine, {}, messages).status, CalcStatus::Computed);
    EXPECT_EQ(calcular(fields, Method::MononobeOkabe, {}, messages).status, CalcStatus::Computed);
    EXPECT_EQ(calcular(fields, Method::None, {}, messages).status, CalcStatus::NoMethod);
    fields.setText("gam", "0");
    EXPECT_EQ(calcular(fields, Method::Rankine, {}, messages).status, CalcStatus::NothingToDo);
    EXPECT_TRUE(messages.shown.empty());
    fields.setText("H", "0");
    EXPECT_EQ(calcular(fields, Method::Rankine, {}, messages).status, CalcStatus::Rejected);
    EXPECT_EQ(messages.shown.back().text, "El campo \"Altura total H\" debe ser mayor que cero.");

    fields = sampleWall();
    fields.setText("delta", "40");
    const CalcOutcome first = calcular(fields, Method::Coulomb, {}, messages);
    EXPECT_EQ(first.status, CalcStatus::Rejected);
    EXPECT_EQ(first.resultados[1], 0);
    EXPECT_EQ(fields.text("delta"), "40");
    fields.setText("delta", "30");
    EXPECT_EQ(calcular(fields, Method::Coulomb, {}, messages).status, CalcStatus::Computed);

    fields.setText("hn", "-2");
    messages.shown.clear();
    EXPECT_EQ(calcular(fields, Method::Rankine, {}, messages).status, CalcStatus::Computed);
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace drovines
