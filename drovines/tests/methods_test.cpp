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
    const auto res = Rankine(recordOf(fields), fields, {}, messages);
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
    const auto res = Rankine(recordOf(fields), fields, {}, messages);
    ASSERT_TRUE(res);
    EXPECT_FLOAT_EQ((*res)[1], static_cast<float>(std::cos(30 * kDeg)));
    // Without "Considerar angulo delta" the thrust follows the slope.
    EXPECT_FLOAT_EQ((*res)[10], 30);
}

TEST(Rankine, SlopeSteeperThanFrictionStopsWithItsMessage) {
    auto fields = sampleWall();
    fields.setText("beta", "31");
    common::RecordingMessages messages;
    EXPECT_FALSE(Rankine(recordOf(fields), fields, {}, messages));
    EXPECT_EQ(messages.shown, oneBox("Hay un error con el angulo del talud, radicando negativo al "
                                     "calcular ka.",
                                     "Sub Rankine: ERROR", MessageIcon::Critical));
}

TEST(Rankine, ZeroFrictionAngleIsAnArithmeticFailure) {
    auto fields = sampleWall();
    fields.setText("fi", "0");
    fields.setText("co", "10");
    common::RecordingMessages messages;
    EXPECT_FALSE(Rankine(recordOf(fields), fields, {}, messages));
    EXPECT_EQ(messages.shown, oneBox("Ocurrio un error inesperado, puede ser que un angulo sea el "
                                     "problema.",
                                     "Sub Rankine: ERROR", MessageIcon::Critical));
}

TEST(Rankine, FiguresBeyondSinglePrecisionAreAFailureNotAnInfinity) {
    auto fields = sampleWall();
    fields.setText("gm", "1E+38");
    common::RecordingMessages messages;
    EXPECT_FALSE(Rankine(recordOf(fields), fields, {}, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Sub Rankine: ERROR");
}

TEST(Rankine, NoWaterTableLeavesWaterTermsAtZero) {
    auto fields = wallWithWaterAndSurcharge();
    fields.setText("hn", "0");
    common::RecordingMessages messages;
    const auto res = Rankine(recordOf(fields), fields, {true, true}, messages);
    ASSERT_TRUE(res);
    for (int i : {4, 6, 7, 15, 18, 20, 50}) {
        EXPECT_EQ((*res)[i], 0) << i;
    }
    EXPECT_GT((*res)[5], 0);
}

TEST(Rankine, MatchesAnIndependentCalculationWithWaterWedgeAndSurcharge) {
    auto fields = wallWithWaterAndSurcharge();
    common::RecordingMessages messages;
    const auto res = Rankine(recordOf(fields), fields, {true, false}, messages);
    ASSERT_TRUE(res);
    const auto& r = *res;
    EXPECT_NEAR(r[1], 0.3072576, 1e-6);
    EXPECT_NEAR(r[12], 39.630318, 1e-4);   // Wm: wedge only
    EXPECT_NEAR(r[30], 48.446688, 1e-4);   // Ps: wedge and surcharge on it
    EXPECT_NEAR(r[21], 202.377211, 1e-3);  // MV
    EXPECT_NEAR(r[27], 551.689412, 1e-3);  // MEV with the water term and without Meq
    EXPECT_NEAR(r[28], 2.726045, 1e-5);
    EXPECT_NEAR(r[34], 300.585545, 1e-3);
    EXPECT_NEAR(r[35], 277.452973, 1e-3);
    EXPECT_NEAR(r[36], 0.474285, 1e-5);
    EXPECT_NEAR(r[37], 1185.296519, 1e-2);
    EXPECT_NEAR(r[38], 4.272063, 1e-5);
    EXPECT_NEAR(r[45], 1.605439, 1e-5);
    // MEV is the program's own total, not the sum of its listed parts.
    EXPECT_GT(std::fabs(r[27] - (r[22] + r[23] + r[24] + r[25] + r[26])), 1);
}

TEST(Rankine, TickBoxesTurnTheThrustAndCountTheWedge) {
    auto fields = wallWithWaterAndSurcharge();
    common::RecordingMessages messages;
    const WallRecord record = recordOf(fields);
    const auto plain = Rankine(record, fields, {false, false}, messages);
    const auto ticked = Rankine(record, fields, {true, true}, messages);
    ASSERT_TRUE(plain && ticked);
    EXPECT_FLOAT_EQ((*plain)[10], 0);
    EXPECT_FLOAT_EQ((*ticked)[10], 30);  // delta + alfa
    EXPECT_EQ((*plain)[12], 0);
    EXPECT_GT((*ticked)[12], 0);

    // A back face leaning over the backfill has no wedge to count.
    fields.setText("alfa", "-5");
    const auto leaning = Rankine(recordOf(fields), fields, {true, false}, messages);
    ASSERT_TRUE(leaning);
    EXPECT_EQ((*leaning)[12], 0);
    EXPECT_EQ((*leaning)[30], 0);
}

TEST(Rankine, BaseFrictionIsTwoThirdsOfFiUnlessGiven) {
    auto fields = sampleWall();
    common::RecordingMessages messages;
    auto res = Rankine(recordOf(fields), fields, {}, messages);
    ASSERT_TRUE(res);
    EXPECT_FLOAT_EQ((*res)[44], static_cast<float>((*res)[35] * 2 * std::tan(30 * kDeg) / 3));

    fields.setText("delta2", "30");
    res = Rankine(recordOf(fields), fields, {}, messages);
    ASSERT_TRUE(res);
    EXPECT_FLOAT_EQ((*res)[44], static_cast<float>((*res)[35] * std::tan(30 * kDeg)));
}

TEST(Coulomb, PublishedCoefficientForWallFriction) {
    auto fields = sampleWall();
    fields.setText("delta", "20");
    common::RecordingMessages messages;
    const auto res = Coulomb(recordOf(fields), fields, messages);
    ASSERT_TRUE(res);
    EXPECT_NEAR((*res)[1], 0.297, 5e-4);
    EXPECT_FLOAT_EQ((*res)[10], 20);
}

TEST(Coulomb, MatchesAnIndependentCalculationWithWaterAndSurcharge) {
    auto fields = wallWithWaterAndSurcharge();
    common::RecordingMessages messages;
    const auto res = Coulomb(recordOf(fields), fields, messages);
    ASSERT_TRUE(res);
    const auto& r = *res;
    EXPECT_NEAR(r[1], 0.354271, 1e-6);
    EXPECT_NEAR(r[9], 91.197182, 1e-4);
    EXPECT_NEAR(r[21], 202.158722, 1e-3);  // MV
    EXPECT_NEAR(r[23], 23.306290, 1e-4);   // Msq: the surcharge on the wedge only
    EXPECT_NEAR(r[27], 521.355896, 1e-3);  // MEV with the water and surcharge terms
    EXPECT_NEAR(r[28], 2.578943, 1e-5);
    EXPECT_NEAR(r[34], 292.112549, 1e-3);
    EXPECT_NEAR(r[35], 268.979950, 1e-3);
    EXPECT_NEAR(r[36], 0.552374, 1e-5);
    EXPECT_NEAR(r[37], 1089.820312, 1e-2);
    EXPECT_NEAR(r[38], 4.051679, 1e-5);
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
    const auto rankine = Rankine(record, fields, {}, messages);
    const auto coulomb = Coulomb(record, fields, messages);
    ASSERT_TRUE(rankine && coulomb);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_NEAR((*coulomb)[i], (*rankine)[i], 1e-4 * (1 + std::fabs((*rankine)[i]))) << i;
    }
}

TEST(Coulomb, NeverCountsTheWedgeButKeepsTheSurchargeOnIt) {
    auto fields = wallWithWaterAndSurcharge();
    common::RecordingMessages messages;
    const WallRecord record = recordOf(fields);
    const auto res = Coulomb(record, fields, messages);
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
    EXPECT_FALSE(Coulomb(recordOf(fields), fields, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Sub Coulomb: ERROR");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);

    messages.shown.clear();
    fields.setText("beta", "0");
    fields.setText("fi", "0");
    EXPECT_FALSE(Coulomb(recordOf(fields), fields, messages));
    EXPECT_EQ(messages.shown, oneBox("Ocurrio un error inesperado, puede ser que un angulo sea el "
                                     "problema.",
                                     "Sub Coulomb: ERROR", MessageIcon::Critical));
}

TEST(Hansen, StripFootingOnSandMatchesTheFormula) {
    common::RecordingMessages messages;
    Arithmetic ar;
    // fi = 30 deg, no cohesion, centred vertical load, at the surface: only the weight term.
    const double fi = 30 * 3.141592654 / 180;
    const double Nu = Hansen(fi, 0, 18, 2, 100, 0, 0, 0, messages, ar);
    // Nq = 18.401, Ngamma = 1.5 (Nq - 1) tan fi = 15.069, s = 1 - 0.4 / 2 = 0.8.
    EXPECT_NEAR(Nu, 0.5 * 18 * 15.0690 * 0.8 * 2, 0.05);
    EXPECT_FALSE(ar.failed());
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Hansen, DeepFoundationTakesTheArcTangentOfTheDepth) {
    common::RecordingMessages messages;
    Arithmetic ar;
    const double fi = 30 * 3.141592654 / 180;
    // df = 2 m > L = 1 m: k = atan 2 in dq; overburden 18 x 2 with Nq, sq = 1 + sin fi / 2.
    EXPECT_NEAR(Hansen(fi, 0, 18, 2, 100, 0, 0, 2, messages, ar), 2402.406643, 1e-4);
    EXPECT_FALSE(ar.failed());
}

TEST(Hansen, LoadAtTheEdgeFailsAndBeyondItIsRefused) {
    common::RecordingMessages messages;
    const double fi = 30 * 3.141592654 / 180;
    Arithmetic atEdge;
    Hansen(fi, 0, 18, 2, 100, 10, 100, 1, messages, atEdge);
    EXPECT_TRUE(atEdge.failed());
    EXPECT_TRUE(messages.shown.empty());

    Arithmetic beyond;
    EXPECT_EQ(Hansen(fi, 0, 18, 2, 100, 10, 101, 1, messages, beyond), 0);
    EXPECT_FALSE(beyond.failed());
    EXPECT_EQ(messages.shown, oneBox("Sub Hansen: La carga no puede salir de la base", "Drovines",
                                     MessageIcon::None));
}

TEST(Hansen, ShapeFactorNeverBelowPointSix) {
    common::RecordingMessages messages;
    Arithmetic ar;
    const double fi = 30 * 3.141592654 / 180;
    // Bw' = 0.5: 1 - 0.4 / 0.5 = 0.2, raised to 0.6.
    const double Nu = Hansen(fi, 0, 18, 0.5, 100, 0, 0, 0, messages, ar);
    EXPECT_NEAR(Nu, 0.5 * 18 * 15.0690 * 0.6 * 0.5, 0.02);
}

TEST(Calcular, RunsOnlyAfterValidationAndWithARunnableMethod) {
    common::RecordingMessages messages;
    auto fields = sampleWall();
    EXPECT_EQ(calcular(fields, Method::Rankine, {}, messages).status, CalcStatus::Computed);
    EXPECT_EQ(calcular(fields, Method::MononobeOkabe, {}, messages).status, CalcStatus::NoMethod);
    EXPECT_EQ(calcular(fields, Method::None, {}, messages).status, CalcStatus::NoMethod);
    fields.setText("H", "0");
    EXPECT_EQ(calcular(fields, Method::Rankine, {}, messages).status, CalcStatus::NothingToDo);
    EXPECT_TRUE(messages.shown.empty());

    fields = sampleWall();
    fields.setText("delta", "40");
    const CalcOutcome first = calcular(fields, Method::Coulomb, {}, messages);
    EXPECT_EQ(first.status, CalcStatus::Rejected);
    EXPECT_EQ(first.resultados[1], 0);
    EXPECT_EQ(calcular(fields, Method::Coulomb, {}, messages).status, CalcStatus::Computed);

    fields.setText("hn", "-2");
    messages.shown.clear();
    EXPECT_EQ(calcular(fields, Method::Rankine, {}, messages).status, CalcStatus::Computed);
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace drovines
