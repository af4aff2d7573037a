#include <gtest/gtest.h>

#include <cmath>

#include "fendrolas/methods/bearingfactors.h"
#include "fendrolas/methods/moduloh.h"
#include "fendrolas/tests/methodtesting.h"

using namespace fendrolas;
using namespace fendrolas::testing;

namespace {

MethodResults computed(const MethodInput& in, common::RecordingMessages& messages,
                       const HansenCoefficients& k = {}) {
    MethodResults table;
    computeHansen(in, k, table, messages);
    return table;
}

}  // namespace

TEST(BrinchHansen, FactorsAt30DegreesAreTheTabulatedOnesAndGoToColumnZero) {
    common::RecordingMessages messages;
    const MethodResults t = computed(exampleInput(), messages);
    EXPECT_NEAR(t.Nq, 18.401, 0.0005);
    EXPECT_NEAR(t.Nc, 30.140, 0.0005);
    EXPECT_NEAR(t.Ngamma, 15.070, 0.0005);
    EXPECT_EQ(t(kRowHansenNq, kMethodColumn), static_cast<float>(t.Nq));
    EXPECT_EQ(t(kRowHansenNc, kMethodColumn), static_cast<float>(t.Nc));
    EXPECT_EQ(t(kRowHansenNgamma, kMethodColumn), static_cast<float>(t.Ngamma));
    EXPECT_EQ(t.method, kBrinchHansen);
}

TEST(BrinchHansen, VerticalLoadKeepsTheSmallerOfTheTwoDirections) {
    common::RecordingMessages messages;
    const MethodResults t = computed(exampleInput(), messages);
    EXPECT_TRUE(messages.shown.empty());
    for (int row = kRowIcb; row <= kRowIgL; ++row) {
        EXPECT_FLOAT_EQ(t(row, 1), 1) << "row " << row;
    }
    EXPECT_NEAR(t(kRowScb, 1), 1 + t.Nq / t.Nc * 2 / 3, 1e-6);
    EXPECT_NEAR(t(kRowSqb, 1), 1 + 2.0 / 3 * std::sin(phiOf(30)), 1e-6);
    EXPECT_NEAR(t(kRowSgb, 1), 1 - 0.4 * 2 / 3, 1e-6);
    EXPECT_NEAR(t(kRowSgL, 1), 0.6, 1e-7);  // 1 - 0.4 * 3/2 floored
    EXPECT_NEAR(t(kRowQub, 1), 1213.173, 1e-2);
    EXPECT_NEAR(t(kRowQuL, 1), 1533.939, 1e-2);
    EXPECT_EQ(t(kRowQu, 1), t(kRowQub, 1));
    EXPECT_FLOAT_EQ(t(kRowDg, 1), 1);
}

TEST(BrinchHansen, InclinedLoadInBothDirections) {
    MethodInput in = exampleInput();
    in.Qx[1] = 100;
    in.Qy[1] = 50;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    const struct {
        int row;
        double value;
    } expected[] = {{kRowIcb, 0.879932}, {kRowIcL, 0.938881}, {kRowIqb, 0.886457},
                    {kRowIqL, 0.942203}, {kRowIgb, 0.787754}, {kRowIgL, 0.889361},
                    {kRowScb, 1.358149}, {kRowScL, 1.859821}, {kRowSqb, 1.295486},
                    {kRowSqL, 1.706651}, {kRowSgb, 0.763799}, {kRowSgL, 0.6}};
    for (const auto& [row, value] : expected) {
        EXPECT_NEAR(t(row, 1), value, 1e-5) << "row " << row;
    }
    EXPECT_NEAR(t(kRowQub, 1), 1030.712, 1e-2);
    EXPECT_NEAR(t(kRowQuL, 1), 1397.427, 1e-2);
    EXPECT_NEAR(t(kRowNu, 1), 6184.273, 0.05);
    EXPECT_NEAR(t(kRowSafety, 1), 6.184273, 1e-5);
}

TEST(BrinchHansen, SquareBaseUnderCentredVerticalLoadGivesEqualDirections) {
    MethodInput in = exampleInput();
    in.Ly = 2;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_EQ(t(kRowQub, 1), t(kRowQuL, 1));
    EXPECT_EQ(t(kRowQu, 1), t(kRowQuL, 1));
}

TEST(BrinchHansen, DepthFactorsSwitchToTheArctangentAboveDfOverBOfOne) {
    MethodInput in = exampleInput();
    in.df = 2;  // df/B = 1
    common::RecordingMessages messages;
    MethodResults t = computed(in, messages);
    EXPECT_NEAR(t(kRowDcb, 1), 1.4, 1e-6);
    EXPECT_NEAR(t(kRowDcL, 1), 1 + 0.4 * 2 / 3.0, 1e-6);
    in.df = 2.002f;
    t = computed(in, messages);
    EXPECT_NEAR(t(kRowDcb, 1), 1 + 0.4 * std::atan(1.001), 1e-6);
    EXPECT_NEAR(t(kRowDcL, 1), 1 + 0.4 * std::atan(2.002 / 3), 1e-6);
}

TEST(BrinchHansen, ExponentsOfZeroMakeTheQAndGammaFactorsOne) {
    MethodInput in = exampleInput();
    in.Qx[1] = 300;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages, HansenCoefficients{0, 0, 0.6f});
    for (int row = kRowIqb; row <= kRowIgL; ++row) {
        EXPECT_FLOAT_EQ(t(row, 1), 1) << "row " << row;
    }
}

TEST(BrinchHansen, FirstEmptyStateReportsNegativeCohesionInclinationFactors) {
    MethodInput in = exampleInput();
    in.V[1] = 0;
    in.V[2] = 1000;
    MethodRun run;
    metodohansen(in, 2.5f, 3.5f, 0.6f, run.context);
    const MethodResults& t = run.tables.of(kBrinchHansen);
    for (int row = kRowIqb; row <= kRowIgL; ++row) {
        EXPECT_FLOAT_EQ(t(row, 1), 1) << "row " << row;
    }
    EXPECT_NEAR(t(kRowIcb, 1), -0.0574677, 1e-6);
    EXPECT_EQ(t(kRowIcL, 1), t(kRowIcb, 1));
    EXPECT_EQ(t(kRowSafety, 1), kEmptyStateSafety);
    ASSERT_EQ(run.messages.shown.size(), 2u);
    EXPECT_EQ(run.messages.shown[0].text, "Existe un factor negativo.   9");
    EXPECT_EQ(run.messages.shown[1].text, "Existe un factor negativo.   10");
    EXPECT_EQ(run.partial.printparMethod, kBrinchHansen);
    EXPECT_FALSE(run.folder.read("hansen.out").empty());
}

TEST(BrinchHansen, EccentricitiesGoToRowsThirtyAndThirtyOne) {
    MethodInput in = exampleInput();
    in.Mxz[1] = 100;
    in.Myz[1] = 300;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_FLOAT_EQ(t(kRowEx, 1), 0.1f);
    EXPECT_FLOAT_EQ(t(kRowEy, 1), 0.3f);
    EXPECT_FLOAT_EQ(t(kRowLxp, 1), 1.8f);
    EXPECT_FLOAT_EQ(t(kRowLyp, 1), 2.4f);
}

TEST(BrinchHansen, FrictionlessSoilUsesItsOwnProvisions) {
    MethodInput in = exampleInput();
    in.phi = 0;
    in.c = 40;
    in.V[2] = 1000;
    in.Qx[2] = 120;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_NEAR(t.Nc, kPi + 2, 1e-9);
    EXPECT_FLOAT_EQ(t(kRowDcb, 1), 0.2f);  // 0.4 df/B
    EXPECT_NEAR(t(kRowDcL, 1), 0.4 / 3, 1e-7);
    EXPECT_FLOAT_EQ(t(kRowQu, 1), 5.14f * 40 + 18);
    EXPECT_FLOAT_EQ(t(kRowQu, 2), 5.14f * 40 + 18);
    // The limit of ic as phi goes to 0: 1 - 0.5 alfa1 H / (A' cc c Nc).
    EXPECT_NEAR(t(kRowIcb, 2), 1 - 0.5 * 2.5 * 120 / (6 * 0.6 * 40 * (kPi + 2)), 1e-6);
    EXPECT_FLOAT_EQ(t(kRowIqb, 2), 1);
    EXPECT_TRUE(tableIsFinite(t));
}

TEST(BrinchHansen, FrictionlessSoilWithoutAdhesionCannotTakeAHorizontalLoad) {
    MethodInput in = exampleInput();
    in.phi = 0;
    in.Qy[1] = 10;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages, HansenCoefficients{2.5f, 3.5f, 0});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Inestabilidad en el metodo de Brinch Hansen para el estado  1. Factor negativo.");
    EXPECT_EQ(t(kRowSafety, 1), 0);
}

TEST(BrinchHansen, HorizontalLoadBeyondTheBaseLeavesOnlyThatStateWithoutResult) {
    MethodInput in = exampleInput();
    in.Qx[1] = 1700;  // 0.7 H > D = 1062
    in.V[2] = 1000;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "ERROR");
    EXPECT_EQ(messages.shown[0].icon, common::MessageIcon::Critical);
    EXPECT_EQ(t(kRowQu, 1), 0);
    EXPECT_EQ(t(kRowSafety, 1), 0);
    EXPECT_FLOAT_EQ(t(kRowWidth, 1), 2);
    EXPECT_GT(t(kRowSafety, 2), 1);
    EXPECT_TRUE(tableIsFinite(t));
}

TEST(BrinchHansen, HorizontalLoadRightAtTheLimitHasNoResultEither) {
    MethodInput in = exampleInput();
    in.c = 0;  // D = V
    in.V[1] = 700;
    in.Qx[1] = 1000;  // 0.7 H = D: the gamma factor is 0, not a full term
    in.V[2] = 700;
    in.Qx[2] = 999;  // just inside the limit
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Inestabilidad en el metodo de Brinch Hansen para el estado  1. Factor negativo.");
    EXPECT_EQ(t(kRowQu, 1), 0);
    EXPECT_EQ(t(kRowSafety, 1), 0);
    EXPECT_LT(t(kRowIgb, 2), 1e-6);
    EXPECT_GT(t(kRowSafety, 2), 0);
    EXPECT_LT(t(kRowSafety, 2), 1);  // the gamma term is all but gone
}

TEST(BrinchHansen, AwkwardInputsNeverGiveNonFiniteValues) {
    for (const float alfa : {2.5f, 0.0f, -1.0f}) {
        for (const MethodInput& in : awkwardInputs()) {
            MethodRun run;
            metodohansen(in, alfa, alfa + 1, 0.6f, run.context);
            EXPECT_FALSE(frameClearedValues(run.messages)) << "phi " << in.phi;
            EXPECT_TRUE(tableIsFinite(run.tables.of(kBrinchHansen))) << "phi " << in.phi;
            EXPECT_TRUE(textHasNoNonFinite(run.folder.read("res.sal")));
            EXPECT_TRUE(textHasNoNonFinite(run.folder.read("hansen.out")));
        }
    }
}
