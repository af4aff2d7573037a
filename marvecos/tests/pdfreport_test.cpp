#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>

#include "common/safefile.h"
#include "tempfolder.h"

namespace marvecos {
namespace {

namespace fs = std::filesystem;

// Runs a copy of the program in its own folder from the working folder, and reads its PDF.
class PdfReport : public ::testing::Test {
protected:
    PdfReport() {
        fs::copy_file(MARVECOS_EXE, program.file("marvecos"));
        fs::permissions(program.file("marvecos"), fs::perms::owner_all);
    }
    int run(const std::string& command) {
        const int status =
            std::system(("cd '" + work.path() + "' && " + command + " 2>stderr.txt").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int marvecos(const std::string& args) {
        return run("'" + program.file("marvecos") + "' " + args + " >stdout.txt");
    }
    std::string text(const std::string& pdf) {
        run("pdftotext -layout " + pdf + " texto.txt");
        return work.read("texto.txt");
    }
    int pages(const std::string& pdf) {
        run("pdfinfo " + pdf + " | sed -n 's/^Pages: *//p' > paginas.txt");
        return std::atoi(work.read("paginas.txt").c_str());
    }
    TempFolder program, work;
};

const std::string kSlope =
    "--batch --fi 20 --c 10 --gam 18 --H 10 --L 20 --Xcr 5 --Ycr 20 --R 20 --n 10";

TEST_F(PdfReport, HoldsTheDataTheFactorTheSlicesAndTheIteration) {
    ASSERT_EQ(marvecos(kSlope + " --method bishop --pdf talud.pdf"), 0) << work.read("stderr.txt");
    EXPECT_EQ(work.read("stdout.txt"), "fs=2.273\n");
    EXPECT_EQ(pages("talud.pdf"), 2);  // data and drawing; the results and the slices
    const std::string t = text("talud.pdf");
    for (const char* expected :
         {"Marvecos", "Página 1 de 2", "Radio                        R= 20.000 m",
          "Metodo de calculo: Bishop simplificado", "Talud y circulo",
          "Factor de seguridad calculado: 2.273", "Dovelas e iteracion", "circulo 5 20 20 10"}) {
        EXPECT_NE(t.find(expected), std::string::npos) << expected;
    }
}

TEST_F(PdfReport, NamesEveryMethodAndHoldsItsReport) {
    ASSERT_EQ(marvecos(kSlope + " --method spencer --pdf spencer.pdf"), 0);
    const std::string t = text("spencer.pdf");
    EXPECT_NE(t.find("Metodo de calculo: Spencer"), std::string::npos);
    EXPECT_NE(t.find("fs Bishop="), std::string::npos);  // the solver's start, in Spencer.out
}

TEST_F(PdfReport, AfterASearchItNamesTheCriticalCircle) {
    ASSERT_EQ(marvecos("--batch --fi 20 --c 10 --gam 18 --H 10 --L 20 --n 20 --method bishop "
                       "--search --search-xcr 0:10:3 --search-ycr 15:25:3 --search-r 3 "
                       "--pdf busqueda.pdf"),
              0);
    const std::string t = text("busqueda.pdf");
    EXPECT_NE(t.find("Circulo critico: Xcr="), std::string::npos);
    EXPECT_NE(t.find("mapa de la busqueda"), std::string::npos);
}

TEST_F(PdfReport, AFailedWriteIsReportedAndKeepsTheOldFile) {
    EXPECT_EQ(marvecos(kSlope + " --method bishop --pdf falta/talud.pdf"), 4);
    EXPECT_NE(work.read("stderr.txt").find("ERROR: No se pudo guardar el informe falta/talud.pdf"),
              std::string::npos);
    ASSERT_TRUE(common::writeFileSafely(work.file("talud.pdf"), "firmado"));
    // A circle that does not cut the slope: nothing computed.
    EXPECT_EQ(marvecos(kSlope + " --method bishop --R 2 --pdf talud.pdf"), 3);
    EXPECT_TRUE(work.read("talud.pdf") == "firmado");
}

}  // namespace
}  // namespace marvecos
