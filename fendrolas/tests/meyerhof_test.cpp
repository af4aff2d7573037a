#include <gtest/gtest.h>

#include <cmath>

#include "fendrolas/methods/bearingfactors.h"
#include "fendrolas/methods/modulom.h"
#include "fendrolas/tests/methodtesting.h"

using namespace fendrolas;
using namespace fendrolas::testing;

namespace {

MethodResults computed(const MethodInput& in, common::RecordingMessages& messages) {
    MethodResults table;
    computeMeyerhof(in, table, messages);
    return table;
}

}  // namespace

TEST(Meyerhof, FactorsAt30DegreesAreTheTabulatedOnes) {
    common::RecordingMessages messages;
    const MethodResults t = computed(exampleInput(), messages);
    EXPECT_NEAR(t.Nq, 18.401, 0.0005);
    EXPECT_NEAR(t.Nc, 30.140, 0.0005);
    EXPECT_NEAR(t.Ngamma, 15.668, 0.0005);
    EXPECT_EQ(t.method, kMeyerhof);
}

TEST(Meyerhof, FactorsGoToResSalToTheirLastDigit) {
    // Nq = e^(pi tan phi) times the square tan^2(pi/4 + phi/2): multiplying by the tangent twice
    // rounds differently and changes the last digit of Nc in "res.sal".
    MethodInput in = exampleInput();
    in.phi = phiOf(41.9);
    MethodRun run;
    metodomeyerhof(in, run.context);
    const std::string summary = run.folder.read("res.sal");
    EXPECT_EQ(summary.substr(0, summary.find("\r\n")),
              " 92.6558904457584            84.1352771727356            136.518462719378"
              "            2 ");
}

TEST(Meyerhof, CentredVerticalLoadUsesShapeAndDepthFactors) {
    common::RecordingMessages messages;
    const MethodResults t = computed(exampleInput(), messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FLOAT_EQ(t(kRowWidth, 1), 2);
    EXPECT_FLOAT_EQ(t(kRowLength, 1), 3);
    EXPECT_FLOAT_EQ(t(kRowArea, 1), 6);
    EXPECT_FLOAT_EQ(t(kRowLxp, 1), 2);
    EXPECT_FLOAT_EQ(t(kRowLyp, 1), 3);
    EXPECT_NEAR(t(kRowDc, 1), 1.173205, 1e-5);  // dc
    EXPECT_NEAR(t(kRowDq, 1), 1.086602, 1e-5);  // dq
    EXPECT_NEAR(t(kRowDg, 1), 1.086602, 1e-5);  // dg
    EXPECT_NEAR(t(kRowSc, 1), 1.4, 1e-5);       // sc
    EXPECT_NEAR(t(kRowSq, 1), 1.2, 1e-5);       // sq
    EXPECT_FLOAT_EQ(t(kRowIc, 1), 1);           // ic, vertical load
    EXPECT_FLOAT_EQ(t(kRowQ, 1), 18);           // q
    EXPECT_NEAR(t(kRowActing, 1), 166.667, 1e-3);
    EXPECT_NEAR(t(kRowQu, 1), 1294.659, 1e-2);  // Re = 1
    EXPECT_NEAR(t(kRowNu, 1), 7767.956, 0.05);
    EXPECT_NEAR(t(kRowSafety, 1), 7.767956, 1e-5);
    for (int row : {kRowDcL, kRowDqL, kRowIcL, kRowIqL, kRowIgL, kRowScL, kRowSqL, kRowSgL, kRowQub,
                    kRowQuL}) {
        EXPECT_EQ(t(row, 1), 0) << "row " << row;
    }
}

TEST(Meyerhof, EmptyStatesGiveNoLoadAndKeepTheInclinationOfTheStateBefore) {
    MethodInput in = exampleInput();
    in.Qx[1] = 100;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    // Any horizontal load drops the shape factors from the equation.
    EXPECT_NEAR(t(kRowIc, 1), 0.877124, 1e-5);
    EXPECT_NEAR(t(kRowIg, 1), 0.655528, 1e-5);
    EXPECT_NEAR(t(kRowQu, 1), 826.715, 1e-2);
    for (int i = 2; i <= kStates; ++i) {
        EXPECT_EQ(t(kRowIc, i), t(kRowIc, 1));
        EXPECT_EQ(t(kRowIg, i), t(kRowIg, 1));
        EXPECT_EQ(t(kRowQu, i), 0);
        EXPECT_EQ(t(kRowNu, i), 0);
        EXPECT_EQ(t(kRowSafety, i), kEmptyStateSafety);
    }
}

TEST(Meyerhof, LoadInclinedBeyondTheFrictionAngleLeavesNoGammaTerm) {
    MethodInput in = exampleInput();
    in.phi = phiOf(10);
    in.Qx[1] = 500;  // theta = 26.6 degrees
    in.V[2] = 1000;
    in.Qy[2] = 100;  // theta = 5.7 degrees, within phi
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_EQ(t(kRowIg, 1), 0);
    const double Nq = t.Nq;
    const double Kp = std::pow(std::tan(kPi / 4 + phiOf(10) / 2.0), 2);
    const double ic = std::pow(1 - std::atan(0.5) / (kPi / 2), 2);
    const double dc = 1 + 0.2 * std::sqrt(Kp) * 1 / 2;
    const double dq = 1 + 0.1 * std::sqrt(Kp) * 1 / 2;
    EXPECT_NEAR(t(kRowQu, 1), 10 * t.Nc * dc * ic + 18 * Nq * dq * ic, 1e-3);
    EXPECT_NEAR(t(kRowIg, 2), std::pow(1 - std::atan(0.1) / phiOf(10), 2), 1e-6);
}

TEST(Meyerhof, EccentricLoadIsReducedOnTheEffectiveBase) {
    MethodInput in = exampleInput();
    in.Mxz[1] = 100;  // ex = 0.1
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_NEAR(t(kRowWidth, 1), 1.8, 1e-6);
    EXPECT_NEAR(t(kRowArea, 1), 5.4, 1e-5);
    // Re = 1 - sqrt(ex/Ly); the shape and depth factors stay on the full sides.
    EXPECT_NEAR(t(kRowQu, 1), 1028.228, 1e-2);
    EXPECT_NEAR(t(kRowNu, 1), 5552.432, 0.05);
}

TEST(Meyerhof, EccentricityRatioOfOneHalfAlreadyFails) {
    MethodInput in = exampleInput();
    in.Lx = 2;
    in.Ly = 4;
    in.V[3] = 500;
    in.Myz[3] = 500;  // ey/Lx = 0.5, Lx' = Ly' = 2: the tie puts b' along x
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "La fundacion es inestable, ey/b > 0.5 para el estado  3");
    EXPECT_EQ(messages.shown[0].icon, common::MessageIcon::None);
    EXPECT_FLOAT_EQ(t(kRowLxp, 3), 2);
    EXPECT_FLOAT_EQ(t(kRowLyp, 3), 2);
    EXPECT_EQ(t(kRowQu, 3), 0);
    EXPECT_EQ(t(kRowNu, 3), 0);
    EXPECT_EQ(t(kRowSafety, 3), 0);
    EXPECT_GT(t(kRowSafety, 1), 0);
}

TEST(Meyerhof, MessagesNameTheSidesByTheDirectionOfTheShorterEffectiveSide) {
    MethodInput in = exampleInput();
    in.Lx = 4;
    in.Ly = 1;
    in.Mxz[1] = 600;   // ex/Ly = 0.6
    in.Myz[1] = 2000;  // ey/Lx = 0.5; Ly' is the shorter side
    common::RecordingMessages messages;
    computed(in, messages);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "La fundacion es inestable, ey/L > 0.5 para el estado  1");
    EXPECT_EQ(messages.shown[1].text, "La fundacion es inestable, ex/b > 0.5 para el estado  1");
}

TEST(Meyerhof, FrictionlessSoilUsesTheLimitsOfTheFactors) {
    MethodInput in = exampleInput();
    in.phi = 0;
    in.c = 50;
    in.Qx[2] = 100;
    in.V[2] = 1000;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_NEAR(t.Nc, kPi + 2, 1e-9);
    EXPECT_NEAR(t.Nq, 1, 1e-8);
    EXPECT_DOUBLE_EQ(t.Ngamma, 0);
    EXPECT_FLOAT_EQ(t(kRowDq, 1), 1);  // dq
    EXPECT_FLOAT_EQ(t(kRowSq, 1), 1);  // sq
    EXPECT_FLOAT_EQ(t(kRowIg, 1), 1);  // ig of a vertical load
    EXPECT_FLOAT_EQ(t(kRowIg, 2), 0);  // ig of an inclined one
    // qu = c Nc sc dc + q: sc = 1 + 0.2 B/L, dc = 1 + 0.2 df/B.
    const double expected = 50 * (kPi + 2) * (1 + 0.2 * 2 / 3) * (1 + 0.2 * 1 / 2.0) + 18;
    EXPECT_NEAR(t(kRowQu, 1), expected, 1e-3);
    EXPECT_TRUE(tableIsFinite(t));
}

TEST(Meyerhof, RunWritesItsFilesAndHandsOverMethodTwo) {
    MethodRun run;
    metodomeyerhof(exampleInput(), run.context);
    EXPECT_EQ(run.partial.printparMethod, kMeyerhof);
    EXPECT_EQ(run.context.labels.text[0][1], "1294.7");
    EXPECT_EQ(run.context.labels.text[0][3], "7.768");
    const std::string meyer = run.folder.read("meyer.out");
    EXPECT_EQ(meyer.substr(0, meyer.find("\r\n")), "1294.659      7767.956");
    const std::string summary = run.folder.read("res.sal");
    EXPECT_TRUE(summary.substr(0, summary.find("\r\n")).ends_with(" 2 "));
}

TEST(Meyerhof, AwkwardInputsNeverGiveNonFiniteValues) {
    for (const MethodInput& in : awkwardInputs()) {
        MethodRun run;
        metodomeyerhof(in, run.context);
        EXPECT_FALSE(frameClearedValues(run.messages)) << "phi " << in.phi;
        const MethodResults& t = run.tables.of(kMeyerhof);
        EXPECT_TRUE(tableIsFinite(t)) << "phi " << in.phi;
        EXPECT_TRUE(textHasNoNonFinite(run.folder.read("res.sal"))) << "phi " << in.phi;
        EXPECT_TRUE(textHasNoNonFinite(run.folder.read("meyer.out"))) << "phi " << in.phi;
        for (const auto& row : run.context.labels.text) {
            for (const std::string& label : row) {
                EXPECT_TRUE(textHasNoNonFinite(label));
            }
        }
    }
}

TEST(Meyerhof, AngleNearNinetyDegreesIsRefusedWithOneMessage) {
    MethodInput in = exampleInput();
    in.phi = phiOf(89.9);
    MethodRun run;
    metodomeyerhof(in, run.context);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].title, "ERROR");
    const MethodResults& t = run.tables.of(kMeyerhof);
    EXPECT_EQ(t.Nq, 0);
    EXPECT_EQ(t(kRowSafety, 1), 0);
    EXPECT_EQ(run.context.labels.text[0][3], "0.000");
    EXPECT_TRUE(textHasNoNonFinite(run.folder.read("res.sal")));
}

TEST(EffectiveBase, MomentsActByMagnitudeAndATieKeepsBAlongX) {
    MethodInput in = exampleInput();
    in.Lx = 3;
    in.Ly = 2;
    in.Mxz[1] = -500;  // ex = 0.5: Lx' = 2 = Ly'
    in.Qx[1] = 7;
    in.Qy[1] = 9;
    const EffectiveBase base = effectiveBase(in, 1);
    EXPECT_DOUBLE_EQ(base.ex, 0.5);
    EXPECT_DOUBLE_EQ(base.Lxp, 2);
    EXPECT_TRUE(base.bAlongX);
    EXPECT_EQ(base.Hb, 7);
    EXPECT_EQ(base.B, 3);
    in.Mxz[1] = -600;  // Lx' = 1.8 < Ly'
    in.Myz[1] = 0;
    EXPECT_TRUE(effectiveBase(in, 1).bAlongX);
    in.Mxz[1] = 100;  // Lx' = 2.8 > Ly'
    const EffectiveBase other = effectiveBase(in, 1);
    EXPECT_FALSE(other.bAlongX);
    EXPECT_EQ(other.Hb, 9);
    EXPECT_EQ(other.B, 2);
    EXPECT_DOUBLE_EQ(other.bp, 2);
}
