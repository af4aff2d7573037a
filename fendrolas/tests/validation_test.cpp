#include <gtest/gtest.h>

#include "common/fields.h"
#include "common/messages.h"
#include "fendrolas/moduloi.h"

using namespace fendrolas;
using common::Message;
using common::MessageIcon;

namespace {

class ValidationTest : public ::testing::Test {
protected:
    // fi = 30, c = 10, g = 18, Lx = 2, Ly = 3, df = 1, state 1 V = 1000.
    void SetUp() override {
        fields.setText("Text6", "30");
        fields.setText("Text7", "10");
        fields.setText("Text8", "18");
        fields.setText("Text10", "2");
        fields.setText("Text11", "3");
        fields.setText("Text12", "1");
        fields.setText("Text1_0", "1000");
    }
    void run() { validar(fields, messages, fi, c, g, data); }
    bool neutralised() const {
        for (int i = 1; i <= kStates; ++i) {
            if (data.V[i] != 0) {
                return false;
            }
        }
        return data.Lx == 1 && data.Ly == 1 && data.df == 1;
    }

    common::MemoryFields fields;
    common::RecordingMessages messages;
    WindowData data;
    double fi = 0, c = 0, g = 0;
};

}  // namespace

TEST_F(ValidationTest, AValidProblemPassesSilently) {
    run();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(fi, 30);
    EXPECT_EQ(data.V[1], 1000);
    EXPECT_EQ(data.Lx, 2);
    const MethodInput in = prepareMethodInput(fi, c, g, data);
    EXPECT_FLOAT_EQ(in.phi, static_cast<float>(30 * 3.14159 / 180));
    EXPECT_NE(in.phi, static_cast<float>(30 * 3.141592654 / 180));
    EXPECT_EQ(in.gamma, 18.0f);
}

TEST_F(ValidationTest, MoistUnitWeightUsesSinglePrecisionFactor) {
    fields.setText("Text9", "10");
    run();
    const MethodInput in = prepareMethodInput(fi, c, g, data);
    const float factor = 10.0f / 100.0f + 1.0f;
    EXPECT_EQ(in.gamma, static_cast<float>(18.0 * static_cast<double>(factor)));
    EXPECT_FLOAT_EQ(in.gamma, 19.8f);
}

TEST_F(ValidationTest, FiAndCBothZeroNeutralisesAndKeepsTheText) {
    fields.setText("Text6", "0");
    fields.setText("Text7", "0");
    fields.setText("Text10", "0");
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (Message{"El angulo fi y la cohesion c no pueden ser nulos simultaneamente.", "ERROR",
                       MessageIcon::Critical}));
    EXPECT_EQ(fields.text("Text6"), "0");  // the message never changes what the user typed
    EXPECT_EQ(fi, 1);
    EXPECT_EQ(g, 0);
    EXPECT_TRUE(neutralised());

    // The next calculation, with fi = 1 typed, runs with nothing neutralised.
    fields.setText("Text6", "1");
    fields.setText("Text10", "2");
    messages.shown.clear();
    run();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(fi, 1);
    EXPECT_EQ(data.V[1], 1000);
}

TEST_F(ValidationTest, ZeroUnitWeightNeutralisesAndKeepsTheText) {
    fields.setText("Text8", "0");
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (Message{"El peso especifico no puede ser nulo.", "ERROR", MessageIcon::Critical}));
    EXPECT_EQ(fields.text("Text8"), "0");
    EXPECT_EQ(g, 1);
    EXPECT_TRUE(neutralised());
}

TEST_F(ValidationTest, BaseSidesMustBePositive) {
    fields.setText("Text10", "0");
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (Message{"Lx no puede ser nulo o negativo.", "ERROR", MessageIcon::Information}));
    EXPECT_EQ(fields.text("Text10"), "0");
    EXPECT_TRUE(neutralised());

    fields.setText("Text10", "2");
    fields.setText("Text11", "-3");
    messages.shown.clear();
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Ly no puede ser nulo o negativo.");
    EXPECT_TRUE(neutralised());
}

TEST_F(ValidationTest, NegativeDepthBecomesZeroAndGoesOn) {
    fields.setText("Text12", "-0.5");
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (Message{"df no puede ser negativo.", "ERROR", MessageIcon::Information}));
    EXPECT_EQ(fields.text("Text12"), "0");
    EXPECT_EQ(data.df, 0);
    EXPECT_EQ(data.V[1], 1000);
}

TEST_F(ValidationTest, NegativeLoadsAreTakenByMagnitude) {
    fields.setText("Text1_1", "-100");
    fields.setText("Text2_1", "-20");
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (Message{"La carga vertical no puede ser negativa para el estado  2. Se toma el "
                       "valor absoluto.",
                       "ERROR", MessageIcon::Information}));
    EXPECT_EQ(data.V[2], 100);
    EXPECT_EQ(data.Qx[2], 20);
    EXPECT_EQ(fields.text("Text1_1"), "-100");
}

TEST_F(ValidationTest, MomentWithoutLoadIsUnstableButTheRestIsComputed) {
    fields.setText("Text4_3", "10");
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (Message{"La base es inestable para el estado  4", "Advertencia",
                                          MessageIcon::Critical}));
    EXPECT_EQ(fields.text("Text4_3"), "0");
    EXPECT_EQ(fields.text("Text5_3"), "0");
    EXPECT_EQ(data.Mxz[4], 10);  // kept for this calculation
    EXPECT_EQ(data.V[1], 1000);
}

TEST_F(ValidationTest, ResultantOnTheEdgeOfTheBaseNeutralises) {
    fields.setText("Text1_0", "100");
    fields.setText("Text4_0", "100");  // ex = 1 = 0.5 Lx
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (Message{"La carga no puede salir de la base en X-X en el estado  1", "ERROR",
                       MessageIcon::Critical}));
    EXPECT_TRUE(neutralised());
}

TEST_F(ValidationTest, EccentricityInsideTheBasePasses) {
    fields.setText("Text11", "1");
    fields.setText("Text1_2", "100");
    fields.setText("Text5_2", "49");  // ey = 0.49 < 0.5 Ly
    run();
    EXPECT_TRUE(messages.shown.empty());
    fields.setText("Text5_2", "50");
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "La carga no puede salir de la base en Y-Y en el estado  3");
}

TEST_F(ValidationTest, ErrorExitKeepsLaterStatesFromThePreviousRun) {
    fields.setText("Text2_4", "55");
    run();
    EXPECT_EQ(data.Qx[5], 55);
    fields.setText("Text2_4", "77");
    fields.setText("Text1_0", "100");
    fields.setText("Text4_0", "500");
    run();
    EXPECT_TRUE(neutralised());
    EXPECT_EQ(data.Qx[5], 55);  // state 5 was not reached
}
