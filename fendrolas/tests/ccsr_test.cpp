#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "fendrolas/methods/bearingfactors.h"
#include "fendrolas/methods/moduloc.h"
#include "fendrolas/tests/methodtesting.h"

using namespace fendrolas;
using namespace fendrolas::testing;

namespace {

MethodResults computed(const MethodInput& in, common::RecordingMessages& messages) {
    MethodResults table;
    computeCcsr(in, table, messages);
    return table;
}

// Notes whether the method file was already on disk when the table was handed over.
class FileWatchingPartialResults : public NullPartialResults {
public:
    explicit FileWatchingPartialResults(std::string path) : path_(std::move(path)) {}
    void printpar(double, double, double, const MethodResults&, int) override {
        fileExisted = std::filesystem::exists(path_);
    }
    bool fileExisted = false;

private:
    std::string path_;
};

}  // namespace

TEST(Ccsr, FactorsAt30Degrees) {
    common::RecordingMessages messages;
    const MethodResults t = computed(exampleInput(), messages);
    EXPECT_NEAR(t.Nq, 18.401, 0.0005);
    EXPECT_NEAR(t.Nc, 30.140, 0.0005);
    EXPECT_NEAR(t.Ngamma, 18.084, 0.0005);
    EXPECT_EQ(t.method, kCcsr);
}

TEST(Ccsr, VerticalLoad) {
    common::RecordingMessages messages;
    const MethodResults t = computed(exampleInput(), messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_NEAR(t(kRowIc, 1), 1, 1e-7);
    EXPECT_NEAR(t(kRowIq, 1), 1, 1e-7);
    EXPECT_NEAR(t(kRowIg, 1), 1, 1e-7);
    EXPECT_NEAR(t(kRowSc, 1), 1.158025, 1e-6);
    EXPECT_NEAR(t(kRowSq, 1), 1.149437, 1e-6);
    EXPECT_NEAR(t(kRowSg, 1), 0.920988, 1e-6);
    EXPECT_NEAR(t(kRowDc, 1), 1.149733, 1e-6);
    EXPECT_NEAR(t(kRowDq, 1), 1.141595, 1e-6);
    EXPECT_FLOAT_EQ(t(kRowDg, 1), 1);
    EXPECT_NEAR(t(kRowQu, 1), 1135.694, 1e-2);
    EXPECT_NEAR(t(kRowSafety, 1), 6.814167, 1e-5);
    for (int row : {kRowQ, kRowQub, kRowQuL, kRowEx}) {
        EXPECT_EQ(t(row, 1), 0);
    }
}

TEST(Ccsr, InclinedLoadAndTheInclinationCarriedIntoAnEmptyState) {
    MethodInput in = exampleInput();
    in.Qx[1] = 60;
    in.Qy[1] = 80;  // H = 100, t = 0.1
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    EXPECT_NEAR(t(kRowIq, 1), 0.828437, 1e-6);
    EXPECT_NEAR(t(kRowIc, 1), 0.818578, 1e-6);
    EXPECT_NEAR(t(kRowIg, 1), 0.686309, 1e-6);
    EXPECT_NEAR(t(kRowQu, 1), 894.287, 1e-2);
    EXPECT_EQ(t(kRowIq, 2), t(kRowIq, 1));
    EXPECT_EQ(t(kRowSafety, 2), kEmptyStateSafety);
}

TEST(Ccsr, SquareEffectiveBaseAndNoDepth) {
    MethodInput in = exampleInput();
    in.Ly = 2;
    in.df = 0;
    common::RecordingMessages messages;
    const MethodResults t = computed(in, messages);
    const double tan6 = std::pow(std::tan(double(phiOf(30))), 6);
    EXPECT_NEAR(t(kRowSc, 1), 1.2 + tan6, 1e-6);
    EXPECT_NEAR(t(kRowSg, 1), 0.9 - 0.5 * tan6, 1e-6);
    EXPECT_FLOAT_EQ(t(kRowDc, 1), 1);
    EXPECT_FLOAT_EQ(t(kRowDq, 1), 1);
}

TEST(Ccsr, InclinationTestIsStrict) {
    const double phi = phiOf(20);
    const double Nq = sharedNq(phi);
    const double limit = std::tan(phi);  // t cot(phi) = 1 exactly
    CcsrInclination at;
    ASSERT_TRUE(ccsrInclination(phi, limit, Nq, at));
    EXPECT_TRUE(std::isfinite(at.iq) && std::isfinite(at.ic) && std::isfinite(at.ig));
    EXPECT_GE(at.iq, 0);
    EXPECT_EQ(at.ig, at.iq * at.iq);
    CcsrInclination beyond;
    EXPECT_FALSE(ccsrInclination(phi, limit * (1 + 1e-12), Nq, beyond));
}

TEST(Ccsr, LoadInclinedBeyondPhiStopsTheRunAfterWritingTheFile) {
    MethodInput in = exampleInput();
    in.V[1] = 0;  // ic of an empty first state would be fine; the check is skipped anyway
    in.V[2] = 1000;
    in.Qx[2] = 700;  // t = 0.7 > tan 30
    in.V[3] = 1000;
    TestFolder folder;
    common::RecordingMessages messages;
    FileWatchingPartialResults partial(folder.file("ccsr.out"));
    MethodTables tables;
    tables.of(kCcsr)(kRowQu, 4) = 777;  // left by an earlier run
    CalculationContext context(messages, partial, tables, folder.path());
    metodoccsr(in, context);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Inestabilidad en el metodo del CCSR 87 para el estado  2.");
    EXPECT_EQ(messages.shown[0].title, "Error");
    EXPECT_EQ(messages.shown[0].icon, common::MessageIcon::Critical);
    const MethodResults& t = tables.of(kCcsr);
    EXPECT_EQ(t(kRowSafety, 1), kEmptyStateSafety);
    EXPECT_EQ(t(kRowSafety, 2), 0);
    EXPECT_FLOAT_EQ(t(kRowWidth, 2), 2);
    for (int i = 3; i <= kStates; ++i) {
        for (int row = 1; row <= kResultRows; ++row) {
            EXPECT_EQ(t(row, i), 0) << "state " << i << " row " << row;
        }
    }
    EXPECT_TRUE(partial.fileExisted);
}

TEST(Ccsr, FrictionlessSoilCarriesOnlyVerticalLoads) {
    MethodInput in = exampleInput();
    in.phi = 0;
    in.c = 40;
    common::RecordingMessages messages;
    MethodResults t = computed(in, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_NEAR(t.Nc, kPi + 2, 1e-9);
    EXPECT_FLOAT_EQ(t(kRowIc, 1), 1);
    EXPECT_FLOAT_EQ(t(kRowIq, 1), 1);
    const double sc = 1 + 0.2 * 2 / 3;
    const double dc = 1 + 0.35 / (2 + 0.6);
    EXPECT_NEAR(t(kRowQu, 1), 40 * (kPi + 2) * sc * dc + 18, 1e-3);
    EXPECT_TRUE(tableIsFinite(t));

    in.Qx[1] = 1;
    t = computed(in, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(t(kRowSafety, 1), 0);
}

TEST(Ccsr, AwkwardInputsNeverGiveNonFiniteValues) {
    for (const MethodInput& in : awkwardInputs()) {
        MethodRun run;
        metodoccsr(in, run.context);
        EXPECT_FALSE(frameClearedValues(run.messages)) << "phi " << in.phi;
        EXPECT_TRUE(tableIsFinite(run.tables.of(kCcsr))) << "phi " << in.phi;
        EXPECT_TRUE(textHasNoNonFinite(run.folder.read("res.sal")));
        EXPECT_TRUE(textHasNoNonFinite(run.folder.read("ccsr.out")));
    }
}
