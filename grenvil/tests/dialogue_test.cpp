#include "grenvil/dialogue.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace grenvil {
namespace {

namespace fs = std::filesystem;

// Answers to the nine prompts of one calculation.
const std::string kFirstTheta = "10\n50\n18\n10\n10\n8\n12\n14\n20\n";  // agrees at theta = 0
const std::string kDownward = "10\n5\n18\n10\n15\n12\n14\n12\n20\n";    // FST > FSM at first
const std::string kUpward = "20\n10\n18\n10\n20\n8\n22\n23\n20\n";      // FST < FSM at first
const std::string kNoForceBalance = "0\n40\n18\n10\n20\n8\n8\n10\n20\n";
const std::string kSwinging = "30\n5\n18\n10\n20\n14\n6\n9\n20\n";
const std::string kHugeCohesion = "20\n3000\n18\n10\n20\n8\n22\n23\n20\n";
const std::string kCircleMissesFace = "20\n10\n18\n10\n20\n8\n22\n2\n20\n";

std::string tempFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path dir = fs::temp_directory_path() /
                         (std::string("grenvil_") + test->name() + "_" + std::to_string(getpid()));
    fs::create_directories(dir);
    return dir.string();
}

struct Conversation {
    std::string out, err;
    int code = -1;
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::istringstream text(out);
        for (std::string line; std::getline(text, line);) {
            result.push_back(line);
        }
        return result;
    }
    int count(const std::string& what) const {
        int n = 0;
        for (auto pos = out.find(what); pos != std::string::npos; pos = out.find(what, pos + 1)) {
            ++n;
        }
        return n;
    }
    std::vector<std::string> traceLines() const {
        std::vector<std::string> result;
        for (const std::string& line : lines()) {
            if (line.rfind(" COMPARANDO FS:", 0) == 0) {
                result.push_back(line);
            }
        }
        return result;
    }
};

Conversation run(const std::string& input, const std::string& averPath = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    Conversation s;
    if (averPath.empty()) {
        const std::string folder = tempFolder();
        s.code = runGrenvil(in, out, err, folder + "/aver.out");
        fs::remove_all(folder);
    } else {
        s.code = runGrenvil(in, out, err, averPath);
    }
    s.out = out.str();
    s.err = err.str();
    return s;
}

const std::string kBanner =
    "\n"
    "\n"
    "                     ESTABILIDAD DE MARVECOS\n"
    "\n"
    "                        METODO DE SPENCER\n"
    "\n"
    "\n"
    "               DEPARTAMENTO DE GEOTECNIA Y CIMENTACIONES\n"
    "                   AREA DE MECANICA DE SUELOS\n"
    "\n"
    "\n"
    "               ANALISIS DE ESTABILIDAD DE TALUDES\n"
    "             METODO DE LAS DOVELAS, EQUILIBRIO LIMITE\n"
    "                 PROGRAMA DE CALCULO PARA ALUMNOS\n"
    "\n"
    "                            OCTUBRE 2004\n"
    "\n"
    "\n"
    "                             DATOS:\n"
    "                            ========\n"
    "\n"
    " SUELO:\n"
    "\n";

const std::string kPrompts =
    " ANGULO DE FRICCION INTERNA DEL SUELO  FI="
    " COHESION DEL SUELO EN KN/M2,           C="
    " PESO ESPECIFICO DEL SUELO EN KN/M3   GAM=\n"
    " TALUD:\n"
    "\n"
    " ALTURA DEL TALUD EN M                  H="
    " LONGITUD DEL TALUD EN M                L=\n"
    " CIRCULO:\n"
    "\n"
    " COORDENADA X DEL CENTRO DEL CIRCULO  XCR="
    " COORDENADA Y DEL CENTRO DEL CIRCULO  YCR="
    " RADIO DEL CIRCULO                      R="
    " NUMERO DE DOVELAS                      N=\n"
    " COMIENZO DEL ANALISIS.\n";

const std::string kOtro = "\n\n OTRO CALCULO? SI=1,NO=0   OT=";

TEST(Dialogue, OneCalculationLineByLine) {
    // The answers are not echoed on a string stream, so each prompt runs into the next text.
    const Conversation s = run(kFirstTheta + "0\n");
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out, kBanner + kPrompts +
                         " id=4\n"
                         " COMPARANDO FS: NP=   1  FST=  2.198  FSM=  2.200  THETA=  0.000 RAD\n"
                         "\n"
                         "\n"
                         " RESULTADOS\n"
                         " TASLACION FST= 2.198\n"
                         " MOMENTOS  FSM= 2.200\n"
                         " ANGULO  THETA= 0.000\n"
                         "\n" +
                         kOtro);
    EXPECT_EQ(std::count(kBanner.begin(), kBanner.end(), '\n'), 23);
    EXPECT_TRUE(s.err.empty());
}

TEST(Dialogue, SecondThetaFollowsTheLargerFactor) {
    const Conversation down = run(kDownward + "0\n");
    ASSERT_GE(down.traceLines().size(), 2u);
    EXPECT_NE(down.traceLines()[0].find("THETA=  0.000 RAD"), std::string::npos);
    EXPECT_NE(down.traceLines()[1].find("NP=   2"), std::string::npos);
    EXPECT_NE(down.traceLines()[1].find("THETA= -0.010 RAD"), std::string::npos);
    EXPECT_NE(down.out.find(" ANGULO  THETA=-0.573\n"), std::string::npos);

    const Conversation up = run(kUpward + "0\n");
    ASSERT_GE(up.traceLines().size(), 2u);
    EXPECT_NE(up.traceLines()[1].find("THETA=  0.010 RAD"), std::string::npos);
    EXPECT_NE(up.out.find(" RESULTADOS\n"), std::string::npos);
    EXPECT_EQ(up.count("NO HAY CONVERGENCIA"), 0);
}

TEST(Dialogue, FactorsOfAHundredOrMoreGiveNoResult) {
    const Conversation s = run(kHugeCohesion + "\n0\n");
    EXPECT_EQ(s.count("*****"), 0);
    EXPECT_EQ(s.count("RESULTADOS"), 0);
    EXPECT_NE(s.out.find(" NO HAY CONVERGENCIA PARA ESTOS VALORES.\n"), std::string::npos);
    EXPECT_EQ(s.count("nan"), 0);
    EXPECT_EQ(s.count("inf"), 0);
}

TEST(Dialogue, EveryGeometryCaseGivesTheFiguresOfACalculationByHand) {
    // Each factor lies within 1 % of the simplified Bishop factor of the same circle.
    struct Expected {
        std::string answers;
        std::string id;
        std::size_t trials;
        std::string results;
    };
    const std::vector<Expected> cases = {
        {"25\n15\n18\n10\n15\n0\n18\n14\n20\n", " id=1\n", 10,
         " TASLACION FST= 4.230\n MOMENTOS  FSM= 4.230\n ANGULO  THETA= 5.157\n"},
        {"25\n8\n19\n10\n20\n12\n12\n11\n16\n", " id=2\n", 25,
         " TASLACION FST= 1.815\n MOMENTOS  FSM= 1.822\n ANGULO  THETA=13.751\n"},
        {"20\n10\n18\n10\n20\n14\n8\n12\n20\n", " id=3\n", 25,
         " TASLACION FST= 2.089\n MOMENTOS  FSM= 2.089\n ANGULO  THETA=13.751\n"},
        {"28\n12\n19\n10\n15\n12\n20\n22\n30\n", " id=4\n", 26,
         " TASLACION FST= 1.918\n MOMENTOS  FSM= 1.922\n ANGULO  THETA=14.324\n"},
    };
    for (const Expected& e : cases) {
        const Conversation s = run(e.answers + "0\n");
        EXPECT_NE(s.out.find(" COMIENZO DEL ANALISIS.\n" + e.id), std::string::npos) << e.answers;
        EXPECT_EQ(s.traceLines().size(), e.trials) << e.answers;
        EXPECT_NE(s.out.find(" RESULTADOS\n" + e.results), std::string::npos) << e.answers;
        EXPECT_EQ(s.count("onvergencia"), 0) << e.answers;
    }
}

TEST(Dialogue, ForceSearchThatNeverConvergesEndsTheCalculation) {
    const Conversation s = run(kNoForceBalance + "\n0\n");
    EXPECT_EQ(s.count(" No hay convergencia en traslaciones...\n"), 3);
    ASSERT_EQ(s.traceLines().size(), 1u);
    const std::string expected =
        s.traceLines()[0] + "\n NO HAY CONVERGENCIA PARA ESTOS VALORES.\n" + kOtro;
    EXPECT_NE(s.out.find(expected), std::string::npos);
    EXPECT_EQ(s.count("RESULTADOS"), 0);
    EXPECT_TRUE(s.out.ends_with(kOtro));
}

TEST(Dialogue, SlicesForcesThatCannotBeComputedEndTheCalculation) {
    const Conversation s = run("0\n0\n18\n10\n20\n8\n22\n23\n20\n\n0\n");
    EXPECT_NE(s.out.find(" id=1\n NO HAY CONVERGENCIA PARA ESTOS VALORES.\n" + kOtro),
              std::string::npos);
    EXPECT_EQ(s.count("RESULTADOS"), 0);
    EXPECT_TRUE(s.traceLines().empty());
}

TEST(Dialogue, ThetaSwingingBetweenNeighboursIsStopped) {
    const Conversation s = run(kSwinging + "\n0\n");
    const std::vector<std::string> trace = s.traceLines();
    ASSERT_GE(trace.size(), 3u);
    const auto theta = [](const std::string& line) { return line.substr(line.find("THETA=")); };
    EXPECT_EQ(theta(trace[trace.size() - 1]), theta(trace[trace.size() - 3]));
    EXPECT_NE(theta(trace[trace.size() - 1]), theta(trace[trace.size() - 2]));
    EXPECT_NE(s.out.find(trace.back() + "\n NO HAY CONVERGENCIA PARA ESTOS VALORES.\n"),
              std::string::npos);
    EXPECT_TRUE(s.out.ends_with(kOtro));
}

TEST(Dialogue, BadDataWaitsForALineThenOffersAnotherCalculation) {
    // The line after the error is only waited for: "7" must not be taken as the answer to OT.
    const Conversation s = run(kCircleMissesFace + "7\n1\n" + kFirstTheta + "0\n");
    EXPECT_EQ(s.code, 0);
    EXPECT_NE(s.out.find(" COMIENZO DEL ANALISIS.\n *** ERROR DE DATOS ***\n" + kOtro + kBanner),
              std::string::npos);
    EXPECT_EQ(s.count(" id="), 1);
    EXPECT_EQ(s.count(" RESULTADOS"), 1);

    for (const std::string slices : {"0", "105", "-4", "1"}) {
        const Conversation bad = run("20\n10\n18\n10\n20\n8\n22\n23\n" + slices + "\n\n0\n");
        EXPECT_NE(bad.out.find(" *** ERROR DE DATOS ***\n"), std::string::npos) << slices;
        EXPECT_EQ(bad.count(" id="), 0) << slices;
    }
}

TEST(Dialogue, NegativeCohesionUnitWeightOrHeightIsBadData) {
    const std::string kOk = "20\n10\n18\n10\n20\n8\n22\n23\n20\n";
    for (const std::string answers :
         {"20\n-10\n18\n10\n20\n8\n22\n23\n20\n", "20\n10\n-18\n10\n20\n8\n22\n23\n20\n",
          "20\n10\n18\n-10\n20\n8\n22\n23\n20\n"}) {
        const Conversation s = run(answers + "\n0\n");
        EXPECT_NE(s.out.find(" COMIENZO DEL ANALISIS.\n *** ERROR DE DATOS ***\n" + kOtro),
                  std::string::npos)
            << answers;
        EXPECT_EQ(s.count("FST="), 0) << answers;
    }
    EXPECT_EQ(run(kOk + "0\n").count(" id="), 1);
}

TEST(Dialogue, ACircleThatWouldNotSlideTowardTheToeIsBadData) {
    // Its slices lean back from the toe: sum(W*sen) is negative.
    const Conversation s = run("0\n38.2\n20\n10\n5.7735\n-2\n3.5\n8.525\n100\n\n0\n");
    EXPECT_NE(s.out.find(" COMIENZO DEL ANALISIS.\n *** ERROR DE DATOS ***\n" + kOtro),
              std::string::npos);
    EXPECT_EQ(s.count(" id="), 0);
    EXPECT_EQ(s.count("RESULTADOS"), 0);
}

TEST(Dialogue, AnAnswerThatIsNotANumberIsAskedAgain) {
    const std::string fi = " ANGULO DE FRICCION INTERNA DEL SUELO  FI=";
    const std::string n = " NUMERO DE DOVELAS                      N=";
    const std::string ot = " OTRO CALCULO? SI=1,NO=0   OT=";
    const Conversation clean = run(kFirstTheta + "0\n");
    const Conversation s = run("abc\n1,5\n\n10\n50\n18\n10\n10\n8\n12\n14\n20.5\n20\nsi\n0\n");
    std::string expected = clean.out;
    expected.insert(expected.find(fi), fi + fi + fi);
    expected.insert(expected.find(n), n);
    expected += ot;
    EXPECT_EQ(s.out, expected);
    EXPECT_EQ(s.code, 0);
}

TEST(Dialogue, AnotherCalculationStartsOverWithTheBanner) {
    const Conversation s = run(kFirstTheta + "1\n" + kDownward + "0\n");
    EXPECT_EQ(s.count("METODO DE SPENCER"), 2);
    EXPECT_EQ(s.count(" RESULTADOS\n"), 2);
    EXPECT_EQ(s.count(kOtro), 2);
    EXPECT_LT(s.out.find(" id=4"), s.out.find(" id=2"));
    EXPECT_TRUE(s.out.ends_with(kOtro));
    // Any answer but 1 ends the program.
    EXPECT_EQ(run(kFirstTheta + "2\n" + kDownward).count(" RESULTADOS\n"), 1);
}

TEST(Dialogue, EndOfInputAtAnyStageEndsTheProgram) {
    // Two calculations, the first ending in "NO HAY CONVERGENCIA" and its wait, the second in
    // bad data and its wait; cut the input after every line and in the middle of a line.
    const std::string whole = kNoForceBalance + "\n1\n" + kCircleMissesFace + "\n1\n";
    std::vector<std::size_t> cuts;
    for (std::size_t pos = 0; pos < whole.size(); ++pos) {
        if (whole[pos] == '\n') {
            cuts.push_back(pos + 1);
        }
    }
    cuts.push_back(1);  // "0" without its line end, then nothing more
    for (const std::size_t cut : cuts) {
        const Conversation s = run(whole.substr(0, cut));
        EXPECT_EQ(s.code, 0) << cut;
        EXPECT_TRUE(s.out.ends_with("\n")) << cut;
        EXPECT_LE(s.count("METODO DE SPENCER"), 3) << cut;
    }
    // Input ending at the wait after "NO HAY CONVERGENCIA": no result block follows.
    const Conversation atWait = run(kNoForceBalance);
    EXPECT_TRUE(atWait.out.ends_with(" NO HAY CONVERGENCIA PARA ESTOS VALORES.\n\n"));
    EXPECT_EQ(atWait.count("RESULTADOS"), 0);
    // Input ending at the first prompt.
    EXPECT_EQ(run("").out, kBanner + " ANGULO DE FRICCION INTERNA DEL SUELO  FI=\n");
}

TEST(Dialogue, AverOutIsCreatedEmpty) {
    const std::string path = tempFolder() + "/aver.out";
    {
        std::ofstream old(path);
        old << "resultados antiguos\r\n";
    }
    const Conversation s = run(kFirstTheta + "0\n", path);
    ASSERT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_TRUE(s.err.empty());
    fs::remove_all(fs::path(path).parent_path());
}

TEST(Dialogue, AverOutThatCannotBeCreatedIsReportedAndTheCalculationGoesOn) {
    const std::string path = tempFolder() + "/no/such/folder/aver.out";
    const Conversation s = run(kFirstTheta + "0\n", path);
    EXPECT_EQ(s.err.rfind("No se pudo crear el archivo " + path, 0), 0u) << s.err;
    EXPECT_EQ(s.err.find(".aver.out."), std::string::npos) << s.err;  // no temporary name
    EXPECT_NE(s.out.find(" RESULTADOS\n"), std::string::npos);
    EXPECT_EQ(s.code, kExitAverNotWritten);
    fs::remove_all(tempFolder());
}

}  // namespace
}  // namespace grenvil
