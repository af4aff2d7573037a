// A footing on a frictionless clay holds a horizontal load only by the adhesion cc c of its
// effective base. Beyond A' cc c it slides: Brinch Hansen and Vesic then refuse the state as
// they refuse a negative inclination base, instead of showing a capacity.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fendrolas/methods/bearingfactors.h"
#include "fendrolas/methods/effectivebase.h"
#include "fendrolas/methods/moduloh.h"
#include "fendrolas/methods/modulov.h"
#include "fendrolas/tests/methodtesting.h"

using namespace fendrolas;
using namespace fendrolas::testing;

namespace {

// phi 0, c 40, gamma 18, base 2 x 3 at df 1. Every loaded state carries V = 1000 with
// Mxz = 200: ex = 0.2, b' = Lx' = 1.6, l' = 3, A' = 4.8, so the adhesion holds
// A' cc c = 4.8 x 0.6 x 40 = 115.2 kN.
MethodInput clayFooting() {
    MethodInput in = exampleInput();
    in.phi = 0;
    in.c = 40;
    in.V = {};
    return in;
}

void loadState(MethodInput& in, int i, double Qx, double Qy = 0) {
    in.V[i] = 1000;
    in.Mxz[i] = 200;
    in.Qx[i] = Qx;
    in.Qy[i] = Qy;
}

// The adhesion of a loaded state to the last bit as the methods take it: A' of the effective
// base, cc the single-precision dialog value.
double adhesionOfTheLoadedBase() {
    MethodInput in = clayFooting();
    loadState(in, 1, 0);
    return effectiveBase(in, 1).A * 0.6f * 40;
}

const double kAdhesion = adhesionOfTheLoadedBase();

std::string refusal(const std::string& method, int state) {
    return "Inestabilidad en el metodo de " + method + " para el estado  " + std::to_string(state) +
           ". Factor negativo.";
}

}  // namespace

TEST(ClaySliding, TheResultantAgainstTheAdhesionOfTheEffectiveBase) {
    MethodInput in = clayFooting();
    loadState(in, 1, kAdhesion);
    const EffectiveBase base = effectiveBase(in, 1);
    EXPECT_NEAR(base.A, 4.8, 1e-12);
    EXPECT_FALSE(slidesOnFrictionlessSoil(base, 0, 40, 0.6f));
    loadState(in, 1, kAdhesion * 1.0001);
    EXPECT_TRUE(slidesOnFrictionlessSoil(effectiveBase(in, 1), 0, 40, 0.6f));
    // Each component below the limit, their resultant above it.
    loadState(in, 1, 0.71 * kAdhesion, 0.71 * kAdhesion);
    EXPECT_TRUE(slidesOnFrictionlessSoil(effectiveBase(in, 1), 0, 40, 0.6f));
    // Friction carries the load of a frictional soil: never this refusal.
    EXPECT_FALSE(slidesOnFrictionlessSoil(effectiveBase(in, 1), phiOf(5), 40, 0.6f));
    // No horizontal load, nothing to slide, even with a coefficient that gives no adhesion.
    loadState(in, 1, 0);
    EXPECT_FALSE(slidesOnFrictionlessSoil(effectiveBase(in, 1), 0, 40, 0));
}

TEST(ClaySliding, BrinchHansenAtJustUnderAndJustOverTheSlidingLoad) {
    MethodInput in = clayFooting();
    loadState(in, 1, kAdhesion);                           // at the limit
    loadState(in, 2, kAdhesion - 0.1);                     // just under
    loadState(in, 3, kAdhesion + 0.1);                     // just over
    loadState(in, 4, 0.71 * kAdhesion, 0.71 * kAdhesion);  // resultant 1.004 x the limit
    loadState(in, 5, 4 * kAdhesion);
    common::RecordingMessages messages;
    MethodResults t;
    computeHansen(in, HansenCoefficients{}, t, messages);

    // By hand, for the states the base holds: qu = 5.14 c + q = 5.14 x 40 + 18 = 223.6,
    // Nu = 223.6 x 4.8 = 1073.28, FS = 1.073.
    for (int i : {1, 2}) {
        EXPECT_NEAR(t(kRowQu, i), 223.6, 1e-4) << i;
        EXPECT_NEAR(t(kRowNu, i), 1073.28, 1e-3) << i;
        EXPECT_NEAR(t(kRowSafety, i), 1.07328, 1e-6) << i;
    }
    // Before the mend states 3 to 5 showed the same 223.6 as a vertical load.
    ASSERT_EQ(messages.shown.size(), 3u);
    for (int i : {3, 4, 5}) {
        EXPECT_EQ(messages.shown[i - 3].text, refusal("Brinch Hansen", i));
        EXPECT_EQ(messages.shown[i - 3].title, "ERROR");
        EXPECT_EQ(messages.shown[i - 3].icon, common::MessageIcon::Critical);
        EXPECT_EQ(t(kRowQu, i), 0) << i;
        EXPECT_EQ(t(kRowNu, i), 0) << i;
        EXPECT_EQ(t(kRowSafety, i), 0) << i;
        EXPECT_FLOAT_EQ(t(kRowArea, i), 4.8f) << i;  // the effective base is still shown
    }
    EXPECT_TRUE(tableIsFinite(t));
}

TEST(ClaySliding, VesicAtJustUnderAndJustOverTheSlidingLoad) {
    MethodInput in = clayFooting();
    loadState(in, 1, kAdhesion);
    loadState(in, 2, kAdhesion - 0.1);
    loadState(in, 3, kAdhesion + 0.1);
    loadState(in, 4, 0);
    common::RecordingMessages messages;
    MethodResults t;
    EXPECT_FALSE(computeVesic(in, 0.6f, t, messages));

    // By hand at the limit: m = mB = (2 + 2/3)/(1 + 2/3) = 1.6; Nc = pi + 2 = 5.1416;
    // ic = 1 - m H/(A' cc c Nc) = 1 - 1.6/5.1416 = 0.68881; dc = 1 + 0.4 x 1/2 = 1.2;
    // sc = 1 + 1.6/(5.1416 x 3) = 1.10373; qu = 40 x 5.1416 x 1.10373 x 1.2 x 0.68881 + 18
    // = 205.630; Nu = 205.630 x 4.8 = 987.02.
    EXPECT_NEAR(t(kRowIc, 1), 0.688812, 1e-6);
    EXPECT_NEAR(t(kRowQu, 1), 205.630, 1e-3);
    EXPECT_NEAR(t(kRowNu, 1), 987.024, 1e-2);
    EXPECT_GT(t(kRowSafety, 2), t(kRowSafety, 1));
    EXPECT_LT(t(kRowSafety, 2), 1);

    // Just over: the method's failing state; the states after it are not computed.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, refusal("Vesic", 3));
    EXPECT_EQ(messages.shown[0].icon, common::MessageIcon::Critical);
    for (int i : {3, 4}) {
        EXPECT_EQ(t(kRowQu, i), 0) << i;
        EXPECT_EQ(t(kRowSafety, i), 0) << i;
    }
}

TEST(ClaySliding, VesicNeverShowsTheNegativeCapacityOfAFarTooLargeLoad) {
    // Four times the adhesion: ic = 1 - 1.6 x 4/5.1416 = -0.245 gave qu = -48.7 and a negative
    // factor of safety as a valid state. The resultant of two components counts.
    for (const auto& [Qx, Qy] :
         {std::pair{4 * kAdhesion, 0.0}, {0.71 * kAdhesion, 0.71 * kAdhesion}}) {
        MethodInput in = clayFooting();
        loadState(in, 1, Qx, Qy);
        common::RecordingMessages messages;
        MethodResults t;
        EXPECT_FALSE(computeVesic(in, 0.6f, t, messages));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, refusal("Vesic", 1));
        EXPECT_EQ(t(kRowQu, 1), 0);
        EXPECT_EQ(t(kRowSafety, 1), 0);
    }
}

TEST(ClaySliding, FrictionalSoilKeepsItsInclinationFactors) {
    // With a little friction the same load is carried through D = V + A' cc c cot(phi).
    MethodInput in = clayFooting();
    in.phi = phiOf(5);
    loadState(in, 1, 2 * kAdhesion);
    common::RecordingMessages messages;
    MethodResults hansen;
    computeHansen(in, HansenCoefficients{}, hansen, messages);
    MethodResults vesic;
    EXPECT_TRUE(computeVesic(in, 0.6f, vesic, messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_GT(hansen(kRowSafety, 1), 0);
    EXPECT_GT(vesic(kRowSafety, 1), 0);
}
