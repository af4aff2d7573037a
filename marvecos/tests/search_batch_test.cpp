#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "tempfolder.h"

namespace marvecos {
namespace {

namespace fs = std::filesystem;

struct SearchRun {
    int exitCode = -1;
    std::string out, err;
};

// The program copied into a folder of its own, run from the working folder `work`.
class SearchBatch : public ::testing::Test {
protected:
    SearchBatch() {
        fs::copy_file(MARVECOS_EXE, program.file("marvecos"));
        fs::permissions(program.file("marvecos"), fs::perms::owner_all);
    }

    SearchRun run(const std::string& args) {
        const std::string command = "cd '" + work.path() + "' && '" + program.file("marvecos") +
                                    "' " + args + " >'" + work.file("stdout.txt") + "' 2>'" +
                                    work.file("stderr.txt") + "'";
        const int status = std::system(command.c_str());
        SearchRun r;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = work.read("stdout.txt");
        r.err = work.read("stderr.txt");
        return r;
    }

    TempFolder program, work;
};

const std::string kSlope = "--batch --fi 20 --c 10 --gam 18 --H 10 --L 20 --n 60";

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        out.push_back(line);
    }
    return out;
}

TEST_F(SearchBatch, PrintsTheCriticalCircleAndCalculatesIt) {
    const SearchRun r = run(kSlope + " --method bishop --search");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 3u);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(out[0], m,
                                 std::regex("Circulo critico: Xcr= (-?[0-9]+\\.[0-9]{3}) Ycr= "
                                            "(-?[0-9]+\\.[0-9]{3}) R= ([0-9]+\\.[0-9]{3}) fs= "
                                            "([0-9]+\\.[0-9]{3})")))
        << out[0];
    EXPECT_EQ(out[1].rfind("Circulos: 5292, con resultado: ", 0), 0u) << out[1];
    // The ordinary calculation of that circle gives the same factor.
    EXPECT_EQ(out[2], "fs=" + m[4].str());

    // busqueda.csv holds every circle; the critical one is among them.
    bool onlyCrLf = false;
    const std::vector<std::string> rows = lines(unixLines(work.read("busqueda.csv"), &onlyCrLf));
    EXPECT_TRUE(onlyCrLf);
    ASSERT_EQ(rows.size(), 5293u);
    EXPECT_EQ(rows[0], "Xcr,Ycr,R,fs");
    const std::string critical = m[1].str() + "," + m[2].str() + "," + m[3].str() + ",";
    int found = 0;
    for (const std::string& row : rows) {
        if (row.rfind(critical, 0) == 0) {
            ++found;
            EXPECT_NEAR(std::stod(row.substr(critical.size())), std::stod(m[4].str()), 0.0005);
        }
    }
    EXPECT_GE(found, 1);

    // The files of the ordinary calculation describe the critical circle.
    EXPECT_TRUE(work.has("errores.out"));
    EXPECT_TRUE(program.has("coords.tmp") && program.has("results.tmp"));
    const std::string report = work.read("Bishop.out");
    std::smatch fsLine;
    ASSERT_TRUE(std::regex_search(report, fsLine, std::regex("\r\nfs= +([0-9.]+) ")));
    EXPECT_NEAR(std::stod(fsLine[1].str()), std::stod(m[4].str()), 0.0005);
    EXPECT_FALSE(work.has("Janbu.out"));
}

TEST_F(SearchBatch, GridOptionsChooseTheCircles) {
    const SearchRun r = run(kSlope +
                            " --method janbu --search --search-xcr 5:15:3 --search-ycr 15:25:2 "
                            "--search-r 18:26:5");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[1].rfind("Circulos: 30, ", 0), 0u) << out[1];
    const std::vector<std::string> rows = lines(work.read("busqueda.csv"));
    ASSERT_EQ(rows.size(), 31u);
    EXPECT_EQ(rows[1].rfind("5.000,15.000,18.000,", 0), 0u);
    EXPECT_EQ(rows[30].rfind("15.000,25.000,26.000,", 0), 0u);
    EXPECT_TRUE(work.has("Janbu.out"));

    // A bare radius count keeps the radii of each centre.
    const SearchRun perCentre = run(kSlope + " --method bishop --search --search-r 3");
    ASSERT_EQ(perCentre.exitCode, 0) << perCentre.err;
    EXPECT_EQ(lines(perCentre.out)[1].rfind("Circulos: 1764, ", 0), 0u);
}

// Circles on which Spencer finds no admissible solution are counted as such, not as failed
// iterations; the reason shows only where it occurs.
TEST_F(SearchBatch, InadmissibleCirclesHaveAReasonOfTheirOwn) {
    const SearchRun spencer = run(kSlope + " --method spencer --search");
    ASSERT_EQ(spencer.exitCode, 0) << spencer.err;
    const std::string counts = lines(spencer.out)[1];
    EXPECT_NE(counts.find("division por cero: 0,"), std::string::npos) << counts;
    EXPECT_TRUE(std::regex_search(counts, std::regex("sin solucion admisible: [1-9][0-9]*\\)$")))
        << counts;

    const SearchRun bishop = run(kSlope + " --method bishop --search");
    EXPECT_EQ(lines(bishop.out)[1].find("admisible"), std::string::npos);
}

TEST_F(SearchBatch, NoCircleWithAResultIsAFailure) {
    const SearchRun r = run(kSlope +
                            " --method bishop --search --search-xcr 10:20:2 --search-ycr 40:50:2 "
                            "--search-r 1:5:3");
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "Marvecos: Ninguna circunferencia de la busqueda da un factor de seguridad: no hay "
              "circulo critico. Revise la rejilla de centros y radios.\n");
    EXPECT_EQ(lines(work.read("busqueda.csv")).size(), 13u);
    EXPECT_FALSE(work.has("Bishop.out"));
}

TEST_F(SearchBatch, ExitCodesOfBadRequests) {
    // The soil and slope checks still apply; the circle fields are not needed.
    SearchRun r = run("--batch --fi 0 --c 0 --gam 18 --H 10 --L 20 --method bishop --search");
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err,
              "Marvecos: El angulo de friccion interna y la cohesion no pueden ser nulos "
              "simultaneamente.\n");
    EXPECT_FALSE(work.has("busqueda.csv"));

    r = run(kSlope + " --search");
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err, "Marvecos: Por favor seleccione un metodo de analisis.\n");

    for (const char* bad : {"--search --search-xcr 1:2", "--search --search-ycr 1:2:0",
                            "--search --search-r 0", "--search-xcr 1:2:3", "--search --search-r"}) {
        r = run(kSlope + " --method bishop " + bad);
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_NE(r.err.find("marvecos --help"), std::string::npos) << bad;
    }
    r = run(kSlope + " --method bishop --search --search-xcr 0:1:1000 --search-ycr 0:1:1000");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("mas de 10000000 circunferencias"), std::string::npos);
}

TEST_F(SearchBatch, UnwritableCsvIsReportedAndTheCalculationStillRuns) {
    fs::create_directories(work.file("busqueda.csv/keep"));
    const SearchRun r = run(kSlope + " --method bishop --search --search-r 2");
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_EQ(r.err, "Marvecos: No se pudo escribir el archivo ./busqueda.csv.\n");
    EXPECT_EQ(lines(r.out).size(), 3u);
    EXPECT_TRUE(work.has("Bishop.out"));
}

}  // namespace
}  // namespace marvecos
