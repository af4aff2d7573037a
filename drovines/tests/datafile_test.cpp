#include "drovines/datafile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "common/safefile.h"
#include "tests/wallfields.h"

namespace drovines {
namespace {

namespace fs = std::filesystem;

using common::Message;
using common::MessageIcon;

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("drovines_datafile_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    void writeText(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
    }

    fs::path dir_;
};

std::vector<Message> dataError(const std::string& file) {
    return {Message{"Error de datos en el archivo " + file + " .", "ERROR", MessageIcon::Critical}};
}

TEST_F(DataFileTest, WritesOneValuePerLineWithTheMethodOnLine13) {
    auto fields = sampleWall();
    fields.setText("co", "2.5");
    fields.setText("hn", "-1.25");
    fields.setText("w", "12 %");
    EXPECT_EQ(dataFileText(fields, Method::Coulomb),
              " 18 \r\n 30 \r\n 2.5 \r\n 0 \r\n 12 \r\n-1.25 \r\n 2 \r\n 4 \r\n 0 \r\n 0 \r\n 0 "
              "\r\n 0 \r\n"
              " 2 \r\n 1 \r\n 0 \r\n");
}

TEST_F(DataFileTest, SavedProblemLoadsBackWithItsMethod) {
    auto saved = sampleWall();
    saved.setText("co", "0.25");
    saved.setText("beta", "12.5");
    saved.setText("q", "0.125");
    saved.setText("delta2", "-10");
    common::RecordingMessages messages;
    ASSERT_TRUE(Guardard(path("muro.dat"), saved, Method::Coulomb, messages));

    common::MemoryFields loaded;
    const DataFileLoad load = leerdatos(path("muro.dat"), loaded, messages);
    EXPECT_TRUE(load.loaded);
    EXPECT_EQ(load.method, Method::Coulomb);
    for (const std::string name : {"gam", "fi", "co", "beta", "w", "hn", "b1", "H", "alfa", "alfa2",
                                   "delta", "q", "df", "delta2"}) {
        EXPECT_EQ(loaded.text(name), saved.text(name)) << name;
    }
    // The wall weight is not part of the file.
    EXPECT_EQ(loaded.text("gm"), "");
    EXPECT_TRUE(messages.shown.empty());
}

// Mononobe-Okabe keeps kh and kv on lines 16 and 17; a file of fifteen reads kh = kv = 0.
TEST_F(DataFileTest, SeismicCoefficientsFollowTheFifteenValues) {
    auto saved = sampleWall();
    saved.setText("kh", "0.2");
    saved.setText("kv", "-0.1");
    const std::string fifteen = dataFileText(saved, Method::Rankine);
    EXPECT_EQ(std::count(fifteen.begin(), fifteen.end(), '\n'), 15);
    common::RecordingMessages messages;
    ASSERT_TRUE(Guardard(path("sismo.dat"), saved, Method::MononobeOkabe, messages));
    const std::string text = dataFileText(saved, Method::MononobeOkabe);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 17);

    const struct {
        const char* file;
        const char* kh;
        const char* kv;
    } cases[] = {{"sismo.dat", "0.2", "-0.1"}, {"quince.dat", "0", "0"}};
    ASSERT_TRUE(Guardard(path("quince.dat"), saved, Method::Coulomb, messages));
    for (const auto& c : cases) {
        common::MemoryFields loaded;
        loaded.setText("kh", "9");
        ASSERT_TRUE(leerdatos(path(c.file), loaded, messages).loaded) << c.file;
        EXPECT_EQ(loaded.text("kh"), c.kh) << c.file;
        EXPECT_EQ(loaded.text("kv"), c.kv) << c.file;
        EXPECT_EQ(loaded.text("delta2"), "0") << c.file;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DataFileTest, MethodLineOutsideOneToThreeLeavesTheSelection) {
    common::RecordingMessages messages;
    ASSERT_TRUE(Guardard(path("sin-metodo.dat"), sampleWall(), Method::None, messages));
    common::MemoryFields fields;
    EXPECT_EQ(leerdatos(path("sin-metodo.dat"), fields, messages).method, Method::None);
    EXPECT_EQ(fields.text("gam"), "18");
}

TEST_F(DataFileTest, ShortOrMissingFileIsReportedAndChangesNothing) {
    writeText("corto.dat", " 18\r\n 30\r\n 0\r\n");
    auto fields = sampleWall();
    fields.setText("gam", "20");
    common::RecordingMessages messages;
    EXPECT_FALSE(leerdatos(path("corto.dat"), fields, messages).loaded);
    EXPECT_EQ(messages.shown, dataError(path("corto.dat")));
    EXPECT_EQ(fields.text("gam"), "20");

    messages.shown.clear();
    EXPECT_FALSE(leerdatos(path("no-existe.dat"), fields, messages).loaded);
    EXPECT_EQ(messages.shown, dataError(path("no-existe.dat")));

    // A cancelled dialog gives no name: nothing is read and nothing is said.
    messages.shown.clear();
    EXPECT_FALSE(leerdatos("", fields, messages).loaded);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(fields.text("gam"), "20");
}

TEST_F(DataFileTest, WordInPlaceOfANumberReadsAsZero) {
    writeText("palabra.dat", "18\n30\nabc\n0\n0\n0\n2\n4\n12abc\n0\n0\n0\n1\n1\n0\n");
    auto fields = sampleWall();
    fields.setText("co", "5");
    fields.setText("alfa", "5");
    common::RecordingMessages messages;
    const DataFileLoad load = leerdatos(path("palabra.dat"), fields, messages);
    EXPECT_TRUE(load.loaded);
    EXPECT_EQ(load.method, Method::Rankine);
    EXPECT_EQ(fields.text("co"), "0");
    // A number followed by letters is not a number either.
    EXPECT_EQ(fields.text("alfa"), "0");
}

TEST_F(DataFileTest, FailedSaveIsReportedAndKeepsTheOldFile) {
    common::RecordingMessages messages;
    const std::string missingFolder = path("no-hay/muro.dat");
    EXPECT_FALSE(Guardard(missingFolder, sampleWall(), Method::Rankine, messages));
    const Message notSaved{"No se pudo guardar el archivo " + missingFolder, "ERROR",
                           MessageIcon::Critical};
    EXPECT_EQ(messages.shown, std::vector<Message>{notSaved});

    // A save over an existing file replaces it only when complete.
    ASSERT_TRUE(Guardard(path("muro.dat"), sampleWall(), Method::Rankine, messages));
    auto other = sampleWall();
    other.setText("gam", "21");
    ASSERT_TRUE(Guardard(path("muro.dat"), other, Method::Rankine, messages));
    std::string content;
    ASSERT_TRUE(common::readWholeFile(path("muro.dat"), content));
    EXPECT_EQ(content.substr(0, 6), " 21 \r\n");
}

}  // namespace
}  // namespace drovines
