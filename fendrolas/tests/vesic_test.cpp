#include <gtest/gtest.h>

#include <cmath>

#include "fendrolas/methods/bearingfactors.h"
#include "fendrolas/methods/modulov.h"
#include "fendrolas/tests/methodtesting.h"

using namespace fendrolas;
using namespace fendrolas::testing;

namespace {

MethodResults computed(const MethodInput& in, common::RecordingMessages& messages,
                       float cc = 0.6f) {
    MethodResults table;
    computeVesic(in, cc, table, messages);
    return table;
}

}  // namespace

TEST(Vesic, FactorsAt30Degrees) {
    common::RecordingMessages messages;
    const MethodResults t = computed(exampleInput(), messages);
    EXPECT_NEAR(t.Nq, 18.401, 0.0005);
    EXPECT_NEAR(t.Nc, 30.140, 0.0005);
    EXPECT_NEAR(t.Ngamma, 20.093, 0.0005);
    EXPECT_EQ(t.method, kVesic);
}

TEST(Vesic, VerticalLoadHasNoInclination) {
    common::RecordingMessages messages;
    const MethodResults t = computed(exampleInput(), messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FLOAT_EQ(t(kRowIc, 1), 1);
    EXPECT_FLOAT_EQ(t(kRowIq, 1), 1);
    EXPECT_FLOAT_EQ(t(kRowIg, 1), 1);
    EXPECT_NEAR(t(kRowDc, 1), 1.2, 1e-6);
    EXPECT_NEAR(t(kRowDq, 1), 1.144338, 1e-6);
    EXPECT_NEAR(t(kRowSc, 1), 1.407019, 1e-6);
    EXPECT_NEAR(t(kRowSq, 1), 1.384900, 1e-6);
    EXPECT_NEAR(t(kRowSg, 1), 0.733333, 1e-6);
    EXPECT_NEAR(t(kRowQu, 1), 1299.025, 1e-2);
    EXPECT_NEAR(t(kRowSafety, 1), 7.794149, 1e-5);
    EXPECT_EQ(t(kRowM, 1), 0);  // no horizontal load yet: m not computed
}

TEST(Vesic, ExponentFollowsTheDirectionOfTheHorizontalLoad) {
    MethodInput in = exampleInput();
    for (int i = 1; i <= 4; ++i) {
        in.V[i] = 1000;
    }
    in.Qx[1] = 100;  // along b' only
    in.Qy[2] = 100;  // along l' only
    in.Qx[3] = 100;
    in.Qy[3] = 50;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_NEAR(t(kRowM, 1), 1.6, 1e-6);
    EXPECT_NEAR(t(kRowM, 2), 1.4, 1e-6);
    EXPECT_NEAR(t(kRowM, 3), 2.126029, 1e-6);
    EXPECT_EQ(t(kRowM, 4), t(kRowM, 3));  // vertical: m kept
    EXPECT_NEAR(t(kRowIq, 3), 0.789452, 1e-6);
    EXPECT_NEAR(t(kRowIg, 3), 0.706369, 1e-6);
    EXPECT_NEAR(t(kRowIc, 3), 0.777352, 1e-6);
    EXPECT_NEAR(t(kRowQu, 3), 997.324, 1e-2);
    EXPECT_FLOAT_EQ(t(kRowIq, 4), 1);
}

// An eccentricity along y makes Ly' the shorter side: b' then lies along y and takes Qy as Hb
// and the full side Ly as B, so B is longer than L here.
TEST(Vesic, EccentricityTurnsTheBaseWithItsLoadAndFullSides) {
    MethodInput in = exampleInput();
    in.Myz[1] = 600;  // ey = 0.6: Ly' = 1.8 < Lx' = 2
    in.Qy[1] = 100;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FLOAT_EQ(t(kRowWidth, 1), 1.8f);
    EXPECT_FLOAT_EQ(t(kRowLength, 1), 2);
    EXPECT_FLOAT_EQ(t(kRowLxp, 1), 2);
    EXPECT_FLOAT_EQ(t(kRowLyp, 1), 1.8f);
    EXPECT_NEAR(t(kRowM, 1), 1.4, 1e-6);        // mB with B/L = 3/2
    EXPECT_NEAR(t(kRowDc, 1), 1.133333, 1e-6);  // df/B = 1/3
    EXPECT_NEAR(t(kRowDq, 1), 1.096225, 1e-6);
    EXPECT_NEAR(t(kRowIc, 1), 0.8600999, 1e-6);
    EXPECT_NEAR(t(kRowIq, 1), 0.8677027, 1e-6);
    EXPECT_NEAR(t(kRowIg, 1), 0.7840617, 1e-6);
    EXPECT_NEAR(t(kRowSc, 1), 1.549476, 1e-6);  // effective sides b'/l' = 0.9
    EXPECT_NEAR(t(kRowSq, 1), 1.519615, 1e-6);
    EXPECT_FLOAT_EQ(t(kRowSg, 1), 0.64f);
    EXPECT_NEAR(t(kRowQu, 1), 1097.328, 1e-2);
    EXPECT_NEAR(t(kRowNu, 1), 3950.382, 1e-2);
    EXPECT_NEAR(t(kRowSafety, 1), 3.950382, 1e-5);
}

TEST(Vesic, SquareBaseLoadedInBothDirections) {
    MethodInput in = exampleInput();
    in.Ly = 2;
    in.Qx[1] = 30;
    in.Qy[1] = 40;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_NEAR(t(kRowM, 1), 2.1213, 5e-5);
}

TEST(Vesic, InclinationBaseOfExactlyZeroIsNotAFailure) {
    MethodInput in = exampleInput();
    in.c = 0;
    in.V[2] = 1000;
    in.Qx[2] = 1000;  // D = V without cohesion: t = 0
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FLOAT_EQ(t(kRowIq, 2), 1);  // iq = 0 replaced
    EXPECT_EQ(t(kRowIg, 2), 0);        // ig stays 0
    EXPECT_GT(t(kRowSafety, 2), 0);
}

TEST(Vesic, NegativeInclinationBaseStopsTheRun) {
    MethodInput in = exampleInput();
    in.V[2] = 1000;
    in.Qy[2] = 1100;  // H > D = 1062
    in.V[3] = 1000;
    MethodRun run;
    run.tables.of(kVesic)(kRowQu, 3) = 555;  // left by an earlier run
    run.context.coefficients.vesicCc = "0.6";
    metodovesic(in, run.context);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].text,
              "Inestabilidad en el metodo de Vesic para el estado  2. Factor negativo.");
    EXPECT_EQ(run.messages.shown[0].title, "ERROR");
    EXPECT_EQ(run.messages.shown[0].icon, common::MessageIcon::Critical);
    const MethodResults& t = run.tables.of(kVesic);
    EXPECT_GT(t(kRowSafety, 1), 0);
    EXPECT_EQ(t(kRowQu, 2), 0);
    EXPECT_EQ(t(kRowSafety, 2), 0);
    EXPECT_FLOAT_EQ(t(kRowWidth, 2), 2);
    for (int row = 1; row <= kResultRows; ++row) {
        EXPECT_EQ(t(row, 3), 0) << "row " << row;
    }
    EXPECT_EQ(run.context.labels.text[2][3], "0.000");
    EXPECT_FALSE(run.folder.read("vesic.out").empty());
    EXPECT_EQ(run.partial.printparMethod, kVesic);
}

TEST(Vesic, StoppedRunSkipsTheNegativeFactorCheck) {
    MethodInput in = exampleInput();
    in.V[1] = 0;  // ic of an empty first state is negative
    in.V[2] = 1000;
    in.Qx[2] = 5000;
    MethodRun run;
    metodovesic(in, run.context);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_LT(run.tables.of(kVesic)(kRowIc, 1), 0);
}

TEST(Vesic, CoefficientComesFromTheDialogText) {
    MethodInput in = exampleInput();
    in.Qx[1] = 100;
    MethodRun a;
    a.context.coefficients.vesicCc = "1";
    metodovesic(in, a.context);
    MethodRun b;
    b.context.coefficients.vesicCc = "abc";  // reads as 0: no adhesion in D
    metodovesic(in, b.context);
    const double tA = 1 - 100 / (1000 + 6 * 10 / std::tan(double(phiOf(30))));
    EXPECT_NEAR(a.tables.of(kVesic)(kRowIq, 1), std::pow(tA, 1.6), 1e-6);
    EXPECT_NEAR(b.tables.of(kVesic)(kRowIq, 1), std::pow(0.9, 1.6), 1e-6);
}

TEST(Vesic, FrictionlessSoilUsesTheLimitOfTheInclinationFactors) {
    MethodInput in = exampleInput();
    in.phi = 0;
    in.c = 40;
    in.V[2] = 1000;
    in.Qx[2] = 120;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_NEAR(t.Nc, kPi + 2, 1e-9);
    EXPECT_DOUBLE_EQ(t.Ngamma, 0);
    // dc keeps 1 + 0.4 df/B: the cohesion term is multiplied by it.
    EXPECT_NEAR(t(kRowDc, 1), 1.2, 1e-6);
    EXPECT_NEAR(t(kRowDq, 1), 1, 1e-7);
    EXPECT_FLOAT_EQ(t(kRowIc, 1), 1);
    EXPECT_NEAR(t(kRowIc, 2), 1 - 1.6 * 120 / (6 * 0.6 * 40 * (kPi + 2)), 1e-6);
    EXPECT_FLOAT_EQ(t(kRowIq, 2), 1);
    const double sc = 1 + 1 * 2 / ((kPi + 2) * 3);
    EXPECT_NEAR(t(kRowQu, 1), 40 * (kPi + 2) * sc * 1.2 + 18, 1e-3);
    // Without adhesion a frictionless soil holds no horizontal load.
    const MethodResults noAdhesion = computed(in, messages, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(noAdhesion(kRowSafety, 2), 0);
}

TEST(Vesic, AwkwardInputsNeverGiveNonFiniteValues) {
    for (const char* cc : {"0.6", "0", "-1", "1e300"}) {
        for (const MethodInput& in : awkwardInputs()) {
            MethodRun run;
            run.context.coefficients.vesicCc = cc;
            metodovesic(in, run.context);
            EXPECT_FALSE(frameClearedValues(run.messages)) << "phi " << in.phi;
            EXPECT_TRUE(tableIsFinite(run.tables.of(kVesic))) << "phi " << in.phi;
            EXPECT_TRUE(textHasNoNonFinite(run.folder.read("res.sal")));
            EXPECT_TRUE(textHasNoNonFinite(run.folder.read("vesic.out")));
        }
    }
}
