#include "marvecos/batch.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "marvecos/folders.h"
#include "tempfolder.h"

namespace marvecos {
namespace {

namespace fs = std::filesystem;

struct ProgramRun {
    int exitCode = -1;
    std::string out, err;
};

// Runs a copy of the program that lives in its own folder, from the working folder `work`.
class Batch : public ::testing::Test {
protected:
    Batch() {
        fs::copy_file(MARVECOS_EXE, program.file("marvecos"));
        fs::permissions(program.file("marvecos"), fs::perms::owner_all);
    }

    ProgramRun run(const std::string& args, const std::string& prefix = "") {
        const std::string command =
            "cd '" + work.path() + "' && " + prefix + "'" + program.file("marvecos") + "' " + args +
            " >'" + work.file("stdout.txt") + "' 2>'" + work.file("stderr.txt") + "'";
        const int status = std::system(command.c_str());
        ProgramRun r;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = work.read("stdout.txt");
        r.err = work.read("stderr.txt");
        return r;
    }

    TempFolder program, work;
};

const std::string kSlope =
    "--batch --fi 20 --c 10 --gam 18 --H 10 --L 20 --Xcr 5 --Ycr 20 --R 20 --n 10";

TEST_F(Batch, BishopPrintsTheFactorAndWritesTheFiles) {
    const ProgramRun r = run(kSlope + " --method bishop");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "fs=2.273\n");
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(work.has("errores.out") && work.has("Bishop.out"));
    EXPECT_TRUE(program.has("coords.tmp") && program.has("results.tmp"));
    EXPECT_FALSE(work.has("results.tmp"));
}

TEST_F(Batch, JanbuTooAndTheFileNameIsJanbu) {
    const ProgramRun r = run(kSlope + " --method janbu");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "fs=2.039\n");
    EXPECT_TRUE(work.has("Janbu.out"));
}

TEST_F(Batch, MessagesGoToStandardErrorInOrder) {
    ProgramRun r = run("--batch --fi 0 --c 0 --gam 18 --method bishop");
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "Marvecos: El angulo de friccion interna y la cohesion no pueden ser nulos "
              "simultaneamente.\n");

    r = run(kSlope);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err, "Marvecos: Por favor seleccione un metodo de analisis.\n");
    EXPECT_TRUE(program.has("coords.tmp"));  // the redraw still rewrites it

    // Spencer computes: its factor, lambda and theta, and its own report.
    r = run(kSlope + " --method spencer");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.rfind("fs=", 0), 0u);
    EXPECT_NE(r.out.find("\nlambda="), std::string::npos);
    EXPECT_NE(r.out.find("\ntheta="), std::string::npos);
    EXPECT_TRUE(work.has("Spencer.out"));

    // Only one method button is selected at a time: the last option wins.
    r = run(kSlope + " --method bishop --method janbu");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "fs=2.039\n");

    // The calculation and the redraw after it both warn about the number of slices.
    r =
        run("--batch --fi 25 --c 10 --gam 18 --H 10 --L 20 --Xcr 10 --Ycr 0 --R 12 --n 10 "
            "--method bishop");
    const std::string warning =
        "Advertencia: Es recomendado que aumente el numero de dovelas para mejorar la "
        "presicion.\n";
    EXPECT_EQ(r.err.find(warning), 0u);
    EXPECT_EQ(r.err.substr(r.err.size() - warning.size()), warning);
}

TEST_F(Batch, FileThatCannotBeWrittenIsAFailureEvenWithAResult) {
    fs::create_directories(work.file("errores.out/keep"));
    const ProgramRun r = run(kSlope + " --method bishop");
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_EQ(r.out, "fs=2.273\n");
    EXPECT_EQ(r.err, "Marvecos: No se pudo escribir el archivo ./errores.out.\n");
    EXPECT_TRUE(work.has("Bishop.out"));
    EXPECT_TRUE(fs::is_directory(work.file("errores.out/keep")));
}

TEST_F(Batch, BrokenCircleHasNoResult) {
    const ProgramRun r =
        run("--batch --fi 20 --c 10 --gam 18 --H 10 --L 20 --Xcr 100 --Ycr 100 --R 5 --n 10 "
            "--method janbu");
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("Marvecos: La circunferencia no corta", 0), 0u);
    EXPECT_FALSE(work.has("Janbu.out"));
}

TEST_F(Batch, CircleThatWouldNotSlideTowardTheToeHasNoResult) {
    const ProgramRun r =
        run("--batch --fi 0 --c 38.2 --gam 20 --H 10 --L 5.7735 --Xcr -2 --Ycr 3.5 --R 8.525 "
            "--n 100 --method bishop");
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("Marvecos: La suma de W*sen de las dovelas no es positiva", 0), 0u);
    EXPECT_FALSE(work.has("Bishop.out"));
    EXPECT_FALSE(work.has("errores.out"));
    EXPECT_FALSE(program.has("results.tmp"));
}

TEST_F(Batch, HelpAndUsageErrors) {
    ProgramRun r = run("--help");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("Uso: marvecos --batch"), std::string::npos);

    // With no display the program cannot open its window and says so.
    r = run("", "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("no esta disponible sin pantalla"), std::string::npos);
    r = run("--ventana");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("opcion incorrecta: --ventana"), std::string::npos);

    r = run("--batch --fi");
    EXPECT_EQ(r.exitCode, 2);
    r = run("--batch --phi 20");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("opcion desconocida: --phi"), std::string::npos);
    r = run("--batch --method fellenius");
    EXPECT_EQ(r.exitCode, 2);
}

TEST(TemporaryFolder, ProgramFolderWhenWritableElseTheUserDataFolder) {
    TempFolder program, data;
    EXPECT_EQ(temporaryFolder(program.path()), program.path());

    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    const std::string installed = program.file("not/a/folder");
    const std::string chosen = temporaryFolder(installed);
    EXPECT_EQ(chosen, data.file("marvecos"));
    EXPECT_TRUE(fs::is_directory(chosen));
    if (old) {
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_DATA_HOME");
    }
}

}  // namespace
}  // namespace marvecos
