#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/safefile.h"

namespace {

namespace fs = std::filesystem;

// Runs the built program in a temporary folder and keeps what it printed.
class BatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("drovines_batch_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::copy_file(fs::path(EXAMPLES_DIR) / "muro-napa-sobrecarga.dat", dir_ / "muro.dat");
    }
    void TearDown() override { fs::remove_all(dir_); }

    // `environment` goes before the program, as in "env -u DISPLAY".
    int run(const std::string& arguments, const std::string& environment = "") {
        const std::string command = "cd '" + dir_.string() + "' && " + environment + " '" +
                                    DROVINES_EXE + "' " + arguments + " >salida.txt 2>errores.txt";
        const int status = std::system(command.c_str());
        out_ = read("salida.txt");
        err_ = read("errores.txt");
        return WEXITSTATUS(status);
    }

    std::string read(const std::string& name) const {
        std::string content;
        common::readWholeFile((dir_ / name).string(), content);
        return content;
    }

    void writeText(const std::string& name, const std::string& text) const {
        std::ofstream((dir_ / name).string(), std::ios::binary) << text;
    }

    fs::path dir_;
    std::string out_, err_;
};

TEST_F(BatchTest, ComputesTheFilesMethodAndWritesTheReport) {
    ASSERT_EQ(run("--batch muro.dat --cuna --report informe.out"), 0) << err_;
    EXPECT_EQ(err_, "");
    const std::string report = read("informe.out");
    EXPECT_NE(report.find("Metodo de calculo: Rankine\r\n"), std::string::npos);
    EXPECT_NE(report.find("Peso cuña de suelo estabiliz.  Wm= 39.630kN/m\r\n"), std::string::npos);
    EXPECT_NE(report.find("            Peso especifico del muro gm= 22.000 kN/m3\r\n"),
              std::string::npos);
    EXPECT_EQ(out_, "");
}

TEST_F(BatchTest, OptionsChooseMethodWallWeightAndTickBoxes) {
    ASSERT_EQ(run("--batch muro.dat --method 2 --gm 24 --cuna"), 0) << err_;
    EXPECT_NE(out_.find("Metodo de calculo: Coulomb\r\n"), std::string::npos);
    EXPECT_NE(out_.find("Peso cuña de suelo estabiliz.  Wm= 0.000kN/m\r\n"), std::string::npos);
    EXPECT_NE(out_.find("Peso especifico del muro gm= 24.000 kN/m3"), std::string::npos);
    EXPECT_NE(out_.find("Angulo del empuje con la horiz. d= 30.000º"), std::string::npos);

    ASSERT_EQ(run("muro.dat --batch --delta"), 0) << err_;
    EXPECT_NE(out_.find("Angulo del empuje con la horiz. d= 30.000º"), std::string::npos);
}

TEST_F(BatchTest, MessagesGoToStderrInOrderAndStopTheRun) {
    writeText("delta.dat",
              " 18\r\n 30\r\n 0\r\n 0\r\n 0\r\n-2\r\n 2\r\n 4\r\n 0\r\n 0\r\n"
              " 40\r\n 0\r\n 1\r\n 1\r\n 0\r\n");
    EXPECT_EQ(run("--batch delta.dat"), 3);
    EXPECT_EQ(err_, "Drovines: El angulo delta no puede ser mayor que fi\n");
    EXPECT_EQ(out_, "");

    writeText("napa.dat",
              " 18\r\n 30\r\n 0\r\n 0\r\n 0\r\n-2\r\n 2\r\n 4\r\n 0\r\n 0\r\n"
              " 0\r\n 0\r\n 1\r\n 1\r\n 0\r\n");
    EXPECT_EQ(run("--batch napa.dat"), 0);
    EXPECT_EQ(err_,
              "Drovines: La napa por debajo del nivel de fundacion no afecta a la estructura.  \n");

    writeText("talud.dat",
              " 18\r\n 30\r\n 0\r\n 40\r\n 0\r\n 0\r\n 2\r\n 4\r\n 0\r\n 0\r\n"
              " 0\r\n 0\r\n 1\r\n 1\r\n 0\r\n");
    EXPECT_EQ(run("--batch talud.dat"), 3);
    EXPECT_EQ(err_,
              "Sub Rankine: ERROR: Hay un error con el angulo del talud, radicando negativo al "
              "calcular ka.\n");
}

TEST_F(BatchTest, ValuesTheWindowWouldRefuseStopTheRun) {
    // A wall 4 m high, then -4 m high; a friction angle of 95 degrees.
    writeText("alto.dat",
              " 18\r\n 30\r\n 0\r\n 0\r\n 0\r\n 0\r\n 2\r\n-4\r\n 0\r\n 0\r\n"
              " 0\r\n 0\r\n 1\r\n 1\r\n 0\r\n");
    EXPECT_EQ(run("--batch alto.dat"), 3);
    EXPECT_EQ(err_, "Drovines: El campo \"Altura total H\" debe ser mayor que cero.\n");
    writeText("fi.dat",
              " 18\r\n 95\r\n 0\r\n 0\r\n 0\r\n 0\r\n 2\r\n 4\r\n 0\r\n 0\r\n"
              " 0\r\n 0\r\n 1\r\n 1\r\n 0\r\n");
    EXPECT_EQ(run("--batch fi.dat"), 3);
    EXPECT_EQ(err_,
              "Drovines: El campo \"Angulo de friccion fi\" debe estar entre 0 y 89 grados.\n");
    EXPECT_EQ(out_, "");
}

TEST_F(BatchTest, UnreadableFileAndNothingToComputeAreClearFailures) {
    EXPECT_EQ(run("--batch no-existe.dat"), 2);
    EXPECT_EQ(err_, "ERROR: Error de datos en el archivo no-existe.dat .\n");

    writeText("sin-metodo.dat",
              " 18\r\n 30\r\n 0\r\n 0\r\n 0\r\n 0\r\n 2\r\n 4\r\n 0\r\n 0\r\n"
              " 0\r\n 0\r\n 0\r\n 1\r\n 0\r\n");
    EXPECT_EQ(run("--batch sin-metodo.dat"), 3);
    EXPECT_NE(err_.find("metodo"), std::string::npos);
    EXPECT_EQ(run("--batch sin-metodo.dat --method 1 --gm 23.5"), 0);

    EXPECT_EQ(run("--batch muro.dat --method 3 --kv 1"), 3);
    EXPECT_EQ(err_, "Drovines: El coeficiente sismico kv debe ser menor que 1.\n");
    EXPECT_EQ(run("--batch muro.dat --report falta/informe.out"), 4);
    EXPECT_EQ(err_, "ERROR: No se pudo guardar el archivo falta/informe.out\n");
    EXPECT_EQ(run("--batch muro.dat --method 7"), 1);
}

// A factor that is not a result is no figure and exit code 3; unreadable option values are
// refused; the seismic method runs from the options.
TEST_F(BatchTest, OnlySoundFiguresAndTheSeismicMethod) {
    const struct {
        const char* options;
        int code;
        const char* err;
        const char* report;
    } cases[] = {
        {"--gm 1", 3, "la carga vertical efectiva no es positiva.",
         "Factor de seguridad    fsn=Nu/Nef= sin valor\r\n"},
        {"--gm 5", 3,
         "Drovines: No hay factor de seguridad contra el hundimiento: la carga sale de "
         "la base.\n",
         "Factor de seguridad    fsn=Nu/Nef= sin valor\r\n"},
        {"--gm nan", 1, "drovines: --gm necesita un numero: nan\n", ""},
        {"--gm -1", 3, "Drovines: El peso especifico del muro gm no puede ser negativo.\n", ""},
        {"--method 3 --kh abc", 1, "drovines: --kh necesita un numero: abc\n", ""},
        {"--method 3 --kh 0.1 --kv -0.05", 0, "", "Metodo de calculo: Mononobe-Okabe\r\n"},
        {"--method 3 --kh 0.1", 0, "", "Altura del incremento         ydP= 3.000 m\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(std::string("--batch muro.dat ") + c.options), c.code) << c.options;
        EXPECT_NE(err_.find(c.err), std::string::npos) << c.options << "\n" << err_;
        EXPECT_NE(out_.find(c.report), std::string::npos) << c.options;
    }
}

TEST_F(BatchTest, HelpAndWindowlessStart) {
    EXPECT_EQ(run("--help"), 0);
    EXPECT_NE(out_.find("Uso: drovines --batch"), std::string::npos);
    EXPECT_EQ(run("--batch muro.dat --help"), 0);
    EXPECT_NE(out_.find("Uso: drovines --batch"), std::string::npos);
    EXPECT_EQ(err_, "");
    // Without any screen the window cannot open: the program says so and shows the batch use.
    EXPECT_EQ(run("", "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY"), 2);
    EXPECT_NE(err_.find("no esta disponible"), std::string::npos);
    EXPECT_NE(err_.find("Uso: drovines --batch"), std::string::npos);
}

}  // namespace
