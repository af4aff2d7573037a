#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>

#include "common/safefile.h"
#include "drovines/safetycheck.h"
#include "drovines/section.h"
#include "drovines/sectionfigure.h"

namespace {

namespace fs = std::filesystem;
using drovines::idx::d;
using drovines::idx::Ea;

TEST(SafetyCheck, VerdictAgainstTheMinimum) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Row {
        float factor;
        double minimum;
        const char* verdict;
    };
    const Row rows[] = {
        {1.872f, 1.5, "cumple"}, {1.325f, 1.5, "no cumple"},
        {1.5f, 1.5, "cumple"},   {2.99f, 3.0, "no cumple"},
        {nan, 1.5, ""},  // a factor refused by its check
    };
    for (const Row& r : rows) {
        EXPECT_EQ(drovines::verdict(r.factor, r.minimum), r.verdict) << r.factor;
    }
    const drovines::Minimums defaults = drovines::defaultMinimums();
    EXPECT_EQ(defaults, (drovines::Minimums{1.5, 1.5, 3.0}));
}

TEST(SafetyCheck, MinimumIsOnePositiveNumber) {
    struct Row {
        const char* text;
        bool read;
        double value;
    };
    const Row rows[] = {{"1.5", true, 1.5}, {" 2 ", true, 2},   {"0", false, 0},
                        {"-1", false, 0},   {"1.5x", false, 0}, {"", false, 0}};
    for (const Row& r : rows) {
        double value = 0;
        EXPECT_EQ(drovines::readMinimum(r.text, value), r.read) << r.text;
        EXPECT_EQ(value, r.value) << r.text;
    }
}

TEST(SectionFigure, WallCornersWaterAndThrustOnTheBackFace) {
    drovines::WallRecord r;
    r.gam = 17;
    r.b1 = 1.5;
    r.H = 5;
    r.alfa = drovines::radians(10);
    r.alfa2 = drovines::radians(8);
    const drovines::SectionGeometry g = drovines::sectionGeometry(r.b1, r.H, r.alfa, r.alfa2);
    r.xa = g.xa;
    r.xf = g.xf;
    r.B = g.B;
    r.hn = 1.5;
    r.df = 1.2;
    drovines::Resultados res{};
    res[Ea] = 80.588f;
    res[d] = 20;
    const common::Figure f = drovines::wallSectionFigure(r, res, false);
    ASSERT_TRUE(f.drawable());
    EXPECT_NEAR(r.B, 3.084, 5e-4);  // "Ancho inferior" of the example's report
    bool wall = false, water = false, thrust = false;
    for (const common::FigureMark& m : f.marks()) {
        if (m.kind == common::FigureMark::Kind::Polygon && m.points.size() == 4) {
            wall = m.points[0] == common::FigurePoint{0, 0} &&
                   m.points[1] == common::FigurePoint{r.B, 0} &&
                   m.points[2] == common::FigurePoint{r.xf + r.b1, r.H} &&
                   m.points[3] == common::FigurePoint{r.xf, r.H};
        }
        water |= m.dashed && m.points[0].y == r.hn;
        // The thrust: tip on the back face at H / 3, tail up the angle d = 20 degrees.
        if (m.kind == common::FigureMark::Kind::Arrow && m.points[1].y == r.H / 3) {
            const common::FigurePoint tip = m.points[1], tail = m.points[0];
            thrust = std::abs(tip.x - (r.B - r.xa / 3)) < 1e-12 &&
                     std::abs(std::atan2(tail.y - tip.y, tail.x - tip.x) - drovines::radians(20)) <
                         1e-12;
        }
    }
    EXPECT_TRUE(wall);
    EXPECT_TRUE(water);
    EXPECT_TRUE(thrust);
}

class PdfBatch : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("drovines_pdf_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::copy_file(fs::path(EXAMPLES_DIR) / "muro-napa-sobrecarga.dat", dir_ / "muro.dat");
    }
    void TearDown() override { fs::remove_all(dir_); }
    int run(const std::string& command) {
        const int status =
            std::system(("cd '" + dir_.string() + "' && " + command + " 2>errores.txt").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int drovines(const std::string& arguments) {
        return run("'" DROVINES_EXE "' --batch muro.dat " + arguments + " >salida.txt");
    }
    std::string read(const std::string& name) const {
        std::string content;
        common::readWholeFile((dir_ / name).string(), content);
        return content;
    }
    std::string pdfText(const std::string& pdf) {
        run("pdftotext -layout " + pdf + " texto.txt");
        return read("texto.txt");
    }
    int pages(const std::string& pdf) {
        run("pdfinfo " + pdf + " | sed -n 's/^Pages: *//p' > paginas.txt");
        return std::atoi(read("paginas.txt").c_str());
    }
    fs::path dir_;
};

TEST_F(PdfBatch, ReportHoldsTheSectionTheResultsAndTheVerdicts) {
    ASSERT_EQ(drovines("--pdf muro.pdf"), 0) << read("errores.txt");
    EXPECT_EQ(pages("muro.pdf"), 3);  // data and section; factors and results; the rest
    const std::string text = pdfText("muro.pdf");
    // ka = tan^2(45 - 32/2) = 0.307 (Rankine); the factors as the results window shows them.
    for (const char* expected :
         {"Drovines", "muro.dat", "Página 1 de 3", "Seccion del muro", "Ea = 80.59 kN/m",
          "q = 10.00 kN/m", "ka= 0.307", "Vuelco (fsm)", "1.872", "Deslizamiento (Fsd)", "1.325",
          "no cumple", "Capacidad de carga (fsn)", "3.155", "fsn=Nu/Nef= 3.155"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    ASSERT_EQ(drovines("--pdf muro.pdf --fs-deslizamiento 1.3"), 0);
    EXPECT_EQ(pdfText("muro.pdf").find("no cumple"), std::string::npos);
    EXPECT_EQ(drovines("--pdf muro.pdf --fs-vuelco 0"), 1);
}

TEST_F(PdfBatch, AFailedWriteIsReportedAndKeepsTheOldFile) {
    EXPECT_EQ(drovines("--pdf falta/muro.pdf"), 4);
    EXPECT_NE(read("errores.txt").find("ERROR: No se pudo guardar el informe falta/muro.pdf"),
              std::string::npos);
    ASSERT_TRUE(common::writeFileSafely((dir_ / "muro.pdf").string(), "firmado"));
    // kv must stay below 1: the data are refused and nothing replaces the old report.
    EXPECT_EQ(drovines("--pdf muro.pdf --method 3 --kv 1"), 3);
    EXPECT_TRUE(read("muro.pdf") == "firmado");
}

}  // namespace
