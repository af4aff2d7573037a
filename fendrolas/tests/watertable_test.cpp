#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <map>
#include <string>

#include "common/fields.h"
#include "common/messages.h"
#include "fendrolas/driver.h"
#include "fendrolas/methods/readers.h"
#include "fendrolas/module1.h"
#include "fendrolas/tests/testfolder.h"

using namespace fendrolas;

namespace {

using Texts = std::map<std::string, std::string>;

// A 2.5 x 2 m base at 1.2 m under four load states, inclined and eccentric ones among them, so
// that the effective widths differ from state to state. Moist unit weight 17 (1 + 0.12) = 19.04.
Texts sampleProblem() {
    return {{"Text6", "30"},   {"Text7", "10"},     {"Text8", "17"},    {"Text9", "12"},
            {"Text10", "2.5"}, {"Text11", "2"},     {"Text12", "1.2"},  {"Text1_0", "800"},
            {"Text2_0", "40"}, {"Text4_0", "120"},  {"Text1_1", "600"}, {"Text3_1", "30"},
            {"Text5_1", "90"}, {"Text1_2", "1000"}, {"Text1_3", "450"}, {"Text2_3", "60"},
            {"Text4_3", "60"}, {"Text5_3", "40"}};
}

// One method run by the driver, as "Calcular" runs it, in a folder of its own.
struct DriverRun {
    DriverRun(int method, const Texts& texts) {
        for (const auto& [name, text] : texts) {
            fields.setText(name, text);
        }
        driver.setSelectedMethod(method);
        driver.calcular(CoefficientTexts{});
        table = driver.tables().byMethod[method];
    }
    TestFolder folder;
    common::MemoryFields fields;
    common::RecordingMessages messages;
    RecordingPartialResults partial;
    NullComparison comparison;
    Driver driver{fields, messages, partial, comparison, folder.path()};
    MethodResults table;
};

Texts with(Texts texts, const Texts& more) {
    for (const auto& [name, text] : more) {
        texts[name] = text;
    }
    return texts;
}

void expectSameFigures(const MethodResults& a, const MethodResults& b, int method) {
    EXPECT_EQ(a.cell, b.cell) << "method " << method;
    EXPECT_EQ(a.Nq, b.Nq);
    EXPECT_EQ(a.Nc, b.Nc);
    EXPECT_EQ(a.Ngamma, b.Ngamma);
}

}  // namespace

// The two bounds of the rule, for every method: a water table below df + B changes no figure, one
// at the surface gives the figures of a dry soil weighing gamma' = gsat - 9.81 (a dry file with
// g = gamma' and w = 0).
TEST(WaterTable, BoundsOfTheRuleInEveryMethod) {
    const Texts dry = sampleProblem();
    for (int method = kTerzaghi; method <= kCcsr; ++method) {
        const DriverRun withoutWater(method, dry);
        // df + the longer side: no method's width is larger (Brinch Hansen's l' expression
        // takes the unit weight of l').
        const DriverRun deep(method, with(dry, {{"Text13", "3.7"}, {"Text14", "21"}}));
        expectSameFigures(deep.table, withoutWater.table, method);
        EXPECT_TRUE(deep.messages.shown == withoutWater.messages.shown);
        EXPECT_EQ(deep.driver.labels().text, withoutWater.driver.labels().text);
        // The files of the run say what water they were computed with; the rest is as before.
        const std::string dryFile = methodFileName(method);
        EXPECT_EQ(deep.folder.read(dryFile).rfind(withoutWater.folder.read(dryFile), 0), 0u);
        EXPECT_EQ(deep.folder.read("res.sal").rfind(withoutWater.folder.read("res.sal"), 0), 0u);
        EXPECT_EQ(withoutWater.folder.read("res.sal").find(" 3.2 "), std::string::npos);

        const DriverRun surface(method, with(dry, {{"Text13", "0"}, {"Text14", "21"}}));
        const DriverRun submerged(method, with(dry, {{"Text8", "11.19"}, {"Text9", "0"}}));
        expectSameFigures(surface.table, submerged.table, method);
        EXPECT_FLOAT_EQ(surface.table.water.q, 11.19f * 1.2f);
        EXPECT_EQ(surface.table.water.gamma[1], 11.19f);
    }
}

// Meyerhof on a strip-like base (Ly = 50 Lx): phi 30, c 0, B 2, df 1.5, gamma 18, gsat 20.
// Nq = 18.40, Ngamma = 15.67, sq = sg = 1.006, dq = dg = 1.130: dry qu = 27 Nq sq dq + 0.5 18 2
// Ngamma sg dg = 564.8 + 320.6; at dw = 0, gamma' = 10.19 replaces 18 in both terms.
TEST(WaterTable, MeyerhofStripFallsSteadilyAsTheWaterRises) {
    const Texts strip = {{"Text6", "30"},   {"Text7", "0"},      {"Text8", "18"},
                         {"Text9", "0"},    {"Text10", "2"},     {"Text11", "100"},
                         {"Text12", "1.5"}, {"Text1_0", "1000"}, {"Text14", "20"}};
    const struct {
        const char* dw;
        double qu;     // kN/m2
        double gamma;  // of the gamma term
    } checks[] = {{"3.5", 885.3, 18},
                  {"2.5", 815.8, 14.095},
                  {"1.5", 746.2, 10.19},
                  {"0.75", 623.7, 10.19},
                  {"0", 501.2, 10.19}};
    double above = 1e9;
    for (const auto& check : checks) {
        const DriverRun run(kMeyerhof, with(strip, {{"Text13", check.dw}}));
        const double qu = run.table(kRowQu, 1);
        EXPECT_NEAR(qu, check.qu, 0.05) << "dw " << check.dw;
        EXPECT_NEAR(run.table.water.gamma[1], check.gamma, 1e-4) << "dw " << check.dw;
        EXPECT_LT(qu, above) << "dw " << check.dw;
        above = qu;
    }
}

TEST(WaterTable, RefusedWaterTablesComputeNothing) {
    const struct {
        const char* dw;
        const char* gsat;
        const char* message;
    } refused[] = {
        {"-0.5", "21", "La profundidad de la napa dw no puede ser negativa."},
        {"1", "9.81",
         "El peso especifico saturado gsat debe ser mayor que el del agua (9.81 kN/m3)."},
        {"1", "", "El peso especifico saturado gsat debe ser mayor que el del agua (9.81 kN/m3)."},
        {"1", "19",
         "El peso especifico saturado gsat no puede ser menor que el peso especifico "
         "humedo del suelo g(1+w/100) = 19.04 kN/m3."},
        {"1.5 m", "21", "La profundidad de la napa dw debe ser un numero."},
        {"1", "abc", "El peso especifico saturado gsat debe ser un numero."},
    };
    for (const auto& r : refused) {
        const DriverRun run(kVesic, with(sampleProblem(), {{"Text13", r.dw}, {"Text14", r.gsat}}));
        ASSERT_EQ(run.messages.shown.size(), 1u) << r.dw << " " << r.gsat;
        EXPECT_EQ(run.messages.shown[0],
                  (common::Message{r.message, "ERROR", common::MessageIcon::Critical}));
        EXPECT_EQ(run.folder.read("res.sal"), "");
        EXPECT_EQ(run.partial.printparCalls, 0);
        EXPECT_TRUE(run.driver.waterRefused());
    }
    // gsat equal to the moist unit weight is a soil that is saturated already.
    const DriverRun equal(kVesic, with(sampleProblem(), {{"Text13", "1"}, {"Text14", "19.04"}}));
    EXPECT_TRUE(equal.messages.shown.empty());
}

TEST(WaterTable, DataFileOf32Or34Numbers) {
    TestFolder folder;
    common::RecordingMessages messages;
    common::MemoryFields fields;
    for (const auto& [name, text] : sampleProblem()) {
        fields.setText(name, text);
    }
    ASSERT_TRUE(grabardat(folder.file("seco.dat"), fields, messages));
    fields.setText("Text13", " 2.5 ");
    fields.setText("Text14", "20.5");
    ASSERT_TRUE(grabardat(folder.file("napa.dat"), fields, messages));
    const std::string dry = folder.read("seco.dat");
    EXPECT_EQ(folder.read("napa.dat"), dry + " 2.5           20.5 \r\n");

    common::MemoryFields loaded;
    ASSERT_TRUE(cargardat(folder.file("napa.dat"), loaded, messages));
    EXPECT_EQ(loaded.text("Text13"), "2.5");
    EXPECT_EQ(loaded.text("Text14"), "20.5");
    // A file without water clears the water table of the problem before it.
    ASSERT_TRUE(cargardat(folder.file("seco.dat"), loaded, messages));
    EXPECT_EQ(loaded.text("Text13"), "");
    EXPECT_EQ(loaded.text("Text14"), "");
    EXPECT_TRUE(messages.shown.empty());

    // dw without gsat is not a water table; the fields keep what they held.
    folder.write("33.dat", dry + " 2.5\r\n");
    EXPECT_FALSE(cargardat(folder.file("33.dat"), loaded, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(loaded.text("Text8"), "17");
    // A dw that is not a number is not saved as a water table at the surface.
    fields.setText("Text13", "abc");
    EXPECT_FALSE(grabardat(folder.file("napa.dat"), fields, messages));
    EXPECT_EQ(folder.read("napa.dat"), dry + " 2.5           20.5 \r\n");
}

TEST(WaterTable, SummaryFileKeepsTheWaterOfTheRun) {
    const DriverRun run(kBrinchHansen,
                        with(sampleProblem(), {{"Text13", "0.6"}, {"Text14", "21"}}));
    MethodResults back;
    ASSERT_TRUE(readSummaryFile(run.folder.path(), back));
    EXPECT_TRUE(back.water.given);
    EXPECT_EQ(back.water.dw, 0.6f);
    EXPECT_EQ(back.water.gsat, 21.0f);
    // q = 19.04 0.6 + 11.19 0.6
    EXPECT_NEAR(back.water.q, 18.138, 1e-3);
    EXPECT_EQ(back.water.gamma[3], 11.19f);
    EXPECT_EQ(summaryFileText(back), run.folder.read("res.sal"));
}

TEST(WaterTable, BatchTakesDwAndGsatOverTheFile) {
    TestFolder folder;
    std::string content;
    common::readWholeFile(EXAMPLES_DIR "/zapata-centrada.dat", content);
    folder.write("z.dat", content + " 9 21\r\n");
    const auto run = [&](const std::string& options) {
        const std::string command = "cd '" + folder.path() +
                                    "' && '" FENDROLAS_EXE "' --batch z.dat --method 2 " + options +
                                    " > out.txt 2> err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    ASSERT_EQ(run(""), 0);
    const std::string deep = folder.read("meyer.out");
    EXPECT_NE(deep.find("\r\n 9             21            18 \r\n"), std::string::npos) << deep;
    ASSERT_EQ(run("--dw ''"), 0);
    EXPECT_EQ(deep.rfind(folder.read("meyer.out"), 0), 0u);
    ASSERT_EQ(run("--dw 0.5 --gsat 20"), 0);
    EXPECT_NE(folder.read("meyer.out").find("\r\n .5            20            "),
              std::string::npos);
    EXPECT_EQ(run("--gsat 9"), 6);
    EXPECT_EQ(folder.read("err.txt"),
              "ERROR: El peso especifico saturado gsat debe ser mayor que el del agua (9.81 "
              "kN/m3).\n");
}
