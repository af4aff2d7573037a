#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "fendrolas/footingfigures.h"
#include "fendrolas/tests/testfolder.h"

namespace {

int run(const TestFolder& folder, const std::string& command) {
    const int status =
        std::system(("cd '" + folder.path() + "' && " + command + " 2> stderr.txt").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string pdfText(const TestFolder& folder, const std::string& pdf) {
    run(folder, "pdftotext -layout " + pdf + " texto.txt");
    return folder.read("texto.txt");
}

int pdfPages(const TestFolder& folder, const std::string& pdf) {
    run(folder, "pdfinfo " + pdf + " | sed -n 's/^Pages: *//p' > paginas.txt");
    return std::atoi(folder.read("paginas.txt").c_str());
}

void copyExample(const TestFolder& folder, const std::string& name) {
    std::string content;
    common::readWholeFile(EXAMPLES_DIR "/" + name, content);
    folder.write(name, content);
}

}  // namespace

// B' = B - 2e (Meyerhof): the loaded part touches the far side; the program's own "Lx ef" and
// "Ly ef" for the eccentric example are 2.20 and 3.04 m.
TEST(FootingFigures, EffectiveRectangleLeavesTwiceTheEccentricity) {
    struct Row {
        double Lx, Ly, ex, ey, x1, y1;
    };
    const Row rows[] = {
        {2.5, 3.2, 0.0, 0.0, 0.0, 0.0},
        {2.5, 3.2, 0.15, 0.0, 0.30, 0.0},     // state 2: 180 / 1200
        {2.5, 3.2, -0.15, 0.08, 0.30, 0.16},  // a moment's sign does not matter
        {2.0, 2.0, 1.5, 0.0, 2.0, 0.0},       // past the edge: nothing loaded
    };
    for (const Row& r : rows) {
        const fendrolas::EffectiveRectangle e =
            fendrolas::effectiveRectangle(r.Lx, r.Ly, r.ex, r.ey);
        EXPECT_NEAR(e.x1, r.x1, 1e-12);
        EXPECT_NEAR(e.y1, r.y1, 1e-12);
        EXPECT_EQ(e.x2, r.Lx);
        EXPECT_EQ(e.y2, r.Ly);
        EXPECT_NEAR(e.x2 - e.x1, r.Lx - 2 * std::min(std::abs(r.ex), r.Lx / 2), 1e-12);
    }
}

TEST(FootingFigures, SketchHasThePlanToScaleAndTheWaterAtItsDepth) {
    fendrolas::WaterTable water{true, 1.8f, 20};
    const common::Figure f = fendrolas::footingSketchFigure(2.5, 3.2, 1.5, water);
    ASSERT_TRUE(f.drawable());
    EXPECT_TRUE(f.equalScales());
    const common::FigureMark& plan = f.marks().front();
    ASSERT_EQ(plan.points.size(), 4u);
    EXPECT_EQ(plan.points[0], (common::FigurePoint{0, 0}));
    EXPECT_EQ(plan.points[2], (common::FigurePoint{2.5, 3.2}));
    bool baseAtDf = false, waterAtDw = false;
    for (const common::FigureMark& m : f.marks()) {
        baseAtDf |= m.kind == common::FigureMark::Kind::Polygon && m.points[0].y == -1.5;
        waterAtDw |= m.dashed && m.points[0].y == -double(1.8f);
    }
    EXPECT_TRUE(baseAtDf);
    EXPECT_TRUE(waterAtDw);
    EXPECT_FALSE(fendrolas::footingSketchFigure(0, 3.2, 1.5, {}).drawable());
}

TEST(PdfReport, BatchWritesThePagesWithTheFiguresOfTheRun) {
    TestFolder folder;
    copyExample(folder, "zapata-excentrica.dat");
    ASSERT_EQ(run(folder, "'" FENDROLAS_EXE
                          "' --batch zapata-excentrica.dat --method all --pdf r.pdf > out.txt"),
              0)
        << folder.read("stderr.txt");
    // Data and sketches, two pages a method, the comparison charts.
    EXPECT_EQ(pdfPages(folder, "r.pdf"), 12);
    const std::string text = pdfText(folder, "r.pdf");
    for (const char* expected :
         {"FENDROLAS", "zapata-excentrica.dat", "Página 1 de 12", "Página 12 de 12",
          "Metodo de Terzaghi", "Metodo de CCSR Mza 87", "1753.59", "11.691", "227.73",
          "Areas efectivas de los estados de carga", "PRESION DE HUNDIMIENTO",
          "CARGA DE HUNDIMIENTO"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }

    ASSERT_EQ(run(folder, "'" FENDROLAS_EXE
                          "' --batch zapata-excentrica.dat --method 3 --pdf h.pdf > out.txt"),
              0);
    EXPECT_EQ(pdfPages(folder, "h.pdf"), 3);
    EXPECT_EQ(pdfText(folder, "h.pdf").find("PRESION DE HUNDIMIENTO"), std::string::npos);
}

TEST(PdfReport, AFailedReportKeepsTheOldFileAndIsReported) {
    TestFolder folder;
    copyExample(folder, "zapata-excentrica.dat");
    const std::string run1 = "'" FENDROLAS_EXE "' --batch zapata-excentrica.dat --method 1 ";
    // A refused water table computes nothing, so nothing replaces the old report.
    folder.write("r.pdf", "firmado");
    EXPECT_EQ(run(folder, run1 + "--dw -1 --pdf r.pdf > o.txt"), 6);
    EXPECT_TRUE(folder.read("r.pdf") == "firmado");

    EXPECT_EQ(run(folder, run1 + "--pdf falta/r.pdf > o.txt"), 4);
    EXPECT_NE(folder.read("stderr.txt").find("ERROR: No se pudo guardar el informe falta/r.pdf"),
              std::string::npos);
    if (::geteuid() != 0) {  // root writes into read-only folders
        std::filesystem::create_directory(folder.file("firmados"));
        folder.write("firmados/r.pdf", "firmado");
        std::filesystem::permissions(
            folder.file("firmados"),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_EQ(run(folder, run1 + "--pdf firmados/r.pdf > o.txt"), 4);
        EXPECT_TRUE(folder.read("firmados/r.pdf") == "firmado");
    }
}
