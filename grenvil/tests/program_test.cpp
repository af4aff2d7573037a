#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Runs the built program in a fresh folder with the given standard input.
class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 (std::string("grenvil_run_") + test->name() + "_" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    int run(const std::string& input) {
        std::ofstream(folder / "input.txt") << input;
        const std::string command = "cd '" + folder.string() +
                                    "' && '" GRENVIL_EXECUTABLE
                                    "' < input.txt > output.txt 2> errors.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string read(const std::string& name) const {
        std::ifstream file(folder / name);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    fs::path folder;
};

TEST_F(ProgramRun, CalculatesAndLeavesAnEmptyAverOut) {
    std::ofstream(folder / "aver.out") << "contenido anterior\r\n";
    EXPECT_EQ(run("10\n50\n18\n10\n10\n8\n12\n14\n20\n0\n"), 0);
    const std::string out = read("output.txt");
    EXPECT_NE(out.find(" COMPARANDO FS: NP=   1  FST=  2.198  FSM=  2.200  THETA=  0.000 RAD\n"),
              std::string::npos);
    EXPECT_NE(out.find(" ANGULO  THETA= 0.000\n"), std::string::npos);
    EXPECT_EQ(out.find('\r'), std::string::npos);
    ASSERT_TRUE(fs::exists(folder / "aver.out"));
    EXPECT_EQ(fs::file_size(folder / "aver.out"), 0u);
    EXPECT_EQ(read("errors.txt"), "");
    // Nothing but aver.out is left behind (and the files of this test).
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++files;
    }
    EXPECT_EQ(files, 4);
}

TEST_F(ProgramRun, EndsCleanlyWhenTheInputEnds) {
    EXPECT_EQ(run(""), 0);
    EXPECT_TRUE(fs::exists(folder / "aver.out"));
    EXPECT_EQ(run("20\n10\n18\n10\n20\n8\n22\n2\n20\n"), 0);  // bad data, then no line to wait for
    EXPECT_NE(read("output.txt").find(" *** ERROR DE DATOS ***\n"), std::string::npos);
}

TEST_F(ProgramRun, RunsAnotherCalculationOnRequest) {
    const std::string one = "10\n40\n18\n10\n10\n8\n12\n14\n20\n";
    EXPECT_EQ(run(one + "1\n" + one + "0\n"), 0);
    const std::string out = read("output.txt");
    EXPECT_NE(out.find(" RESULTADOS\n"), out.rfind(" RESULTADOS\n"));
}

}  // namespace
