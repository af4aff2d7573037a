#include <gtest/gtest.h>

#include <cmath>

#include "common/fields.h"
#include "common/messages.h"
#include "fendrolas/methods/frame.h"
#include "fendrolas/methods/moduloT.h"
#include "fendrolas/moduloi.h"
#include "fendrolas/tests/testfolder.h"

using namespace fendrolas;

namespace {

// Angle in degrees as the driver hands it to a method.
double phiOf(double degrees) {
    return static_cast<float>(degrees * 3.14159 / 180);
}

// The worked example: phi 30, c 10, g 18, Lx 2, Ly 3, df 1, V = 1000 in state 1.
common::MemoryFields exampleFields(const std::string& w) {
    common::MemoryFields fields;
    const char* soil[] = {"30", "10", "18", "", "2", "3", "1"};
    for (int k = 0; k < 7; ++k)
        fields.setText(soilField(kFieldFi + k), soil[k]);
    fields.setText(soilField(kFieldW), w);
    fields.setText(loadField(kColumnV, 1), "1000");
    return fields;
}

MethodInput inputFrom(common::FieldTexts& fields, common::MessageSink& messages) {
    double fi = 0, c = 0, g = 0;
    WindowData data;
    validar(fields, messages, fi, c, g, data);
    return prepareMethodInput(fi, c, g, data);
}

struct TerzaghiRun {
    TestFolder folder;
    common::RecordingMessages messages;
    RecordingPartialResults partial;
    MethodTables tables;
    CalculationContext context{messages, partial, tables, folder.path()};
    const MethodResults& table() { return tables.of(kTerzaghi); }
};

}  // namespace

TEST(TerzaghiFactors, AgainstTheTables) {
    const TerzaghiFactors at30 = terzaghiFactors(phiOf(30));
    EXPECT_NEAR(at30.Nq, 22.456, 0.001);
    EXPECT_NEAR(at30.Nc, 37.162, 0.001);
    // Slope in single precision, products in double.
    EXPECT_NEAR(at30.Kpg, 51.99991041, 1e-7);
    EXPECT_NEAR(at30.Ngamma, 19.726, 0.001);

    const TerzaghiFactors at10 = terzaghiFactors(phiOf(10));
    EXPECT_NEAR(at10.Nq, 2.694, 0.001);
    EXPECT_NEAR(at10.Nc, 9.605, 0.001);
    EXPECT_NEAR(at10.Kpg, 14.7, 0.0001);
    EXPECT_NEAR(at10.Ngamma, 1.248, 0.001);

    const TerzaghiFactors at45 = terzaghiFactors(phiOf(45));
    EXPECT_NEAR(at45.Nq, 173.28, 0.01);
    EXPECT_NEAR(at45.Nc, 172.28, 0.01);
    EXPECT_NEAR(at45.Ngamma, 297.50, 0.01);
}

TEST(TerzaghiFactors, TableEndsAndBeyond) {
    // 50 degrees entered is 49.99996 inside the method: still in the last interval.
    EXPECT_NEAR(terzaghiFactors(phiOf(50)).Kpg, 799.996, 0.001);
    const TerzaghiFactors beyond = terzaghiFactors(phiOf(50.001));
    EXPECT_EQ(beyond.Kpg, 0);
    EXPECT_NEAR(beyond.Ngamma, -0.5959, 0.0001);
    EXPECT_EQ(terzaghiFactors(phiOf(-5)).Kpg, 0);
}

TEST(TerzaghiFactors, PurelyCohesiveSoilTakesTheLimits) {
    const TerzaghiFactors N = terzaghiFactors(0);
    EXPECT_NEAR(N.Nq, 1, 1e-9);
    EXPECT_NEAR(N.Nc, 1.5 * 3.141592654 + 1, 1e-9);
    EXPECT_EQ(N.Kpg, 10.8f);
    EXPECT_EQ(N.Ngamma, 0);
    // Just above zero the formula meets the limit.
    EXPECT_NEAR(terzaghiFactors(phiOf(0.01)).Nc, 5.71, 0.02);
}

TEST(Terzaghi, WorkedExample) {
    TerzaghiRun run;
    common::MemoryFields fields = exampleFields("0");
    metodoterzaghi(inputFrom(fields, run.messages), run.context);

    EXPECT_TRUE(run.messages.shown.empty());
    const auto& state1 = run.context.labels.text[0];
    EXPECT_EQ(state1[0], "166.7");
    EXPECT_EQ(state1[1], "1242.4");
    EXPECT_EQ(state1[2], "7454.3");
    EXPECT_EQ(state1[3], "7.454");
    EXPECT_EQ(state1[4], "2.00");
    EXPECT_EQ(state1[5], "3.00");
    EXPECT_EQ(state1[6], "6.00");
    EXPECT_EQ(state1[7], "100.00");
    // Empty states show the same base and a factor of safety of 100000.
    const auto& state2 = run.context.labels.text[1];
    EXPECT_EQ(state2[0], "0.0");
    EXPECT_EQ(state2[1], "0.0");
    EXPECT_EQ(state2[2], "0.0");
    EXPECT_EQ(state2[3], "100000.000");
    EXPECT_EQ(state2[7], "100.00");

    const MethodResults& r = run.table();
    EXPECT_FLOAT_EQ(r(kRowSc, 1), 1.3f);
    EXPECT_FLOAT_EQ(r(kRowSg, 1), 1);
    EXPECT_EQ(r(kRowDc, 1), 0);
    EXPECT_EQ(r(kRowLxp, 3), 0);
    EXPECT_EQ(r.method, 1);

    EXPECT_EQ(run.partial.printparCalls, 1);
    EXPECT_EQ(run.partial.printparMethod, 1);
    EXPECT_NEAR(run.partial.Nq, 22.456, 0.001);
    EXPECT_NEAR(run.partial.Nc, 37.162, 0.001);
}

TEST(Terzaghi, MoistSoilUsesTheMoistUnitWeight) {
    TerzaghiRun run;
    common::MemoryFields fields = exampleFields("10");
    metodoterzaghi(inputFrom(fields, run.messages), run.context);
    EXPECT_EQ(run.context.labels.text[0][1], "1318.3");
    EXPECT_EQ(run.context.labels.text[0][2], "7909.9");
    EXPECT_EQ(run.context.labels.text[0][3], "7.910");
}

TEST(Terzaghi, ShorterSideIsTheWidthAndLoadsOtherThanVDoNotCount) {
    TerzaghiRun run;
    common::MemoryFields fields = exampleFields("0");
    fields.setText(soilField(kFieldLx), "3");
    fields.setText(soilField(kFieldLy), "2");
    fields.setText(loadField(kColumnQx, 1), "200");
    fields.setText(loadField(kColumnMxz, 1), "300");
    metodoterzaghi(inputFrom(fields, run.messages), run.context);
    EXPECT_EQ(run.context.labels.text[0][4], "2.00");
    EXPECT_EQ(run.context.labels.text[0][5], "3.00");
    EXPECT_EQ(run.context.labels.text[0][1], "1242.4");
}

TEST(Terzaghi, NegativeValuesOfStateOneAreReportedWithRowAndValue) {
    TerzaghiRun run;
    MethodInput in;
    in.phi = static_cast<float>(phiOf(60));  // beyond the table: Kpg = 0, negative N gamma
    in.gamma = 18;
    in.Lx = 2;
    in.Ly = 3;
    in.V[1] = 1000;
    metodoterzaghi(in, run.context);
    ASSERT_FALSE(run.messages.shown.empty());
    for (const common::Message& m : run.messages.shown) {
        EXPECT_EQ(m.title, "");
        EXPECT_EQ(m.icon, common::MessageIcon::None);
    }
    const float qu = run.table()(kRowQu, 1);
    ASSERT_LT(qu, 0);
    const std::string text = run.messages.shown[0].text;
    EXPECT_EQ(text.substr(0, 6), " 25 - ");
    EXPECT_EQ(text[6], '-');
}

TEST(Terzaghi, OverflowingDataAreRefusedWithAMessage) {
    // At 89 degrees the pressures are finite in double but beyond the single range; at 90
    // degrees the factors themselves overflow.
    for (const double degrees : {89.0, 90.0}) {
        TerzaghiRun run;
        MethodInput in;
        in.phi = static_cast<float>(phiOf(degrees));
        in.c = 10;
        in.gamma = 18;
        in.Lx = 2;
        in.Ly = 3;
        in.V[1] = 1000;
        metodoterzaghi(in, run.context);
        ASSERT_EQ(run.messages.shown.size(), 1u) << degrees;
        EXPECT_EQ(run.messages.shown[0].title, "ERROR");
        EXPECT_EQ(run.partial.printparCalls, 0);
        EXPECT_EQ(run.context.labels.text[0][1], "");
        EXPECT_EQ(run.folder.read("terza.out"), "");
        for (const auto& row : run.table().cell) {
            for (float value : row)
                EXPECT_TRUE(std::isfinite(value));
        }
    }
}
