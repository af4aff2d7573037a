#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "common/fields.h"
#include "common/messages.h"
#include "common/numbertext.h"
#include "common/safefile.h"
#include "fendrolas/module1.h"

using namespace fendrolas;
namespace fs = std::filesystem;

namespace {

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("fendrolas-datos-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    std::string file(const std::string& name) const { return (dir / name).string(); }
    std::string read(const std::string& name) const {
        std::string content;
        common::readWholeFile(file(name), content);
        return content;
    }
    void write(const std::string& name, const std::string& content) const {
        ASSERT_TRUE(common::writeFileSafely(file(name), content));
    }

    fs::path dir;
    common::MemoryFields fields;
    common::RecordingMessages messages;
};

const std::string kZoneOfZeros = " 0             0             0             0             0 \r\n";

}  // namespace

TEST_F(DataFileTest, FreshWindowSavesZeros) {
    ASSERT_TRUE(grabardat(file("nuevo.dat"), fields, messages));
    std::string expected = " 0  0  0  0 \r\n 0             0             0 \r\n";
    for (int i = 0; i < 5; ++i) {
        expected += kZoneOfZeros;
    }
    EXPECT_EQ(read("nuevo.dat"), expected);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DataFileTest, SavesRawFieldValuesInPrintText) {
    fields.setText("Text6", "30");
    fields.setText("Text7", "abc");
    fields.setText("Text8", "0.25");
    fields.setText("Text9", "1234567.8");
    fields.setText("Text10", "2.5 m");
    fields.setText("Text11", "1e-999");  // too small for any number: 0, not the largest value
    fields.setText("Text1_1", "-2.5");
    ASSERT_TRUE(grabardat(file("d.dat"), fields, messages));
    const std::string content = read("d.dat");
    EXPECT_EQ(content.substr(0, content.find("\r\n")), " 30  0  .25  1234568 ");
    EXPECT_NE(content.find("\r\n 2.5           0             0 \r\n"), std::string::npos);
    EXPECT_NE(content.find("\r\n-2.5           0"), std::string::npos);
}

TEST_F(DataFileTest, LoadsTheSampleIntoAllFields) {
    ASSERT_TRUE(cargardat(EXAMPLES_DIR "/zapata-excentrica.dat", fields, messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(fields.text("Text6"), "32");
    EXPECT_EQ(fields.text("Text8"), "17.5");
    EXPECT_EQ(fields.text("Text10"), "2.5");
    EXPECT_EQ(fields.text("Text1_3"), "1500");
    EXPECT_EQ(fields.text("Text5_2"), "135");
    EXPECT_EQ(fields.text("Text5_4"), "0");
}

TEST_F(DataFileTest, AnyLayoutOfThe32NumbersLoadsTheSame) {
    std::string onePerLine, commas;
    for (int k = 1; k <= 32; ++k) {
        onePerLine += std::to_string(k) + (k == 9 ? ".25" : "") + "\r\n";
        commas += std::to_string(k) + (k == 9 ? ".25" : "") + (k < 32 ? "," : "\n");
    }
    write("lineas.dat", onePerLine);
    write("comas.dat", commas + "texto que sobra");
    common::MemoryFields other;
    ASSERT_TRUE(cargardat(file("lineas.dat"), fields, messages));
    ASSERT_TRUE(cargardat(file("comas.dat"), other, messages));
    EXPECT_EQ(fields.text("Text1_0"), "8");
    EXPECT_EQ(fields.text("Text2_0"), "9.25");
    EXPECT_EQ(fields.text("Text5_4"), "32");
    for (const char* name : {"Text6", "Text12", "Text2_0", "Text3_2", "Text5_4"}) {
        EXPECT_EQ(fields.text(name), other.text(name)) << name;
    }
}

TEST_F(DataFileTest, AFailedReadChangesNoField) {
    std::string numbers;
    for (int k = 1; k <= 31; ++k) {
        numbers += " 7 ";
    }
    write("corto.dat", numbers);
    write("malo.dat", "30 10 x 0");
    fields.setText("Text6", "keep");
    for (const std::string name : {"corto.dat", "malo.dat", "falta.dat"}) {
        messages.shown.clear();
        EXPECT_FALSE(cargardat(file(name), fields, messages));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0],
                  (common::Message{"Error de datos en el archivo " + file(name) + " .", "ERROR",
                                   common::MessageIcon::Critical}));
    }
    EXPECT_EQ(fields.text("Text6"), "keep");
    EXPECT_EQ(fields.text("Text1_0"), "");
}

TEST_F(DataFileTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
    write("viejo.dat", "old");
    const std::string target = ::geteuid() == 0 ? file("no-existe/viejo.dat") : file("viejo.dat");
    if (::geteuid() != 0) {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    }
    fields.setText("Text6", "30");
    EXPECT_FALSE(grabardat(target, fields, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (common::Message{"No se pudo guardar el archivo " + target,
                                                  "ERROR", common::MessageIcon::Critical}));
    EXPECT_EQ(read("viejo.dat"), "old");
}

TEST_F(DataFileTest, RoundTripGivesEveryValueBackInSinglePrecision) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> power(-6, 8);
    for (int run = 0; run < 40; ++run) {
        common::MemoryFields original;
        std::vector<std::pair<std::string, float>> values;
        auto put = [&](const std::string& name) {
            const float v = static_cast<float>(mantissa(random) * std::pow(10.0, power(random)));
            original.setText(name, common::displayDouble(v));
            values.emplace_back(name, v);
        };
        for (int number = 6; number <= 12; ++number) {
            put(soilField(number));
        }
        for (int i = 1; i <= 5; ++i) {
            for (int column = 1; column <= 5; ++column) {
                put(loadField(column, i));
            }
        }
        ASSERT_TRUE(grabardat(file("ida.dat"), original, messages));
        common::MemoryFields loaded;
        ASSERT_TRUE(cargardat(file("ida.dat"), loaded, messages));
        const FoundationProblem back = problemFromFields(loaded);
        const FoundationProblem sent = problemFromFields(original);
        EXPECT_NEAR(back.fi, sent.fi, std::fabs(sent.fi) * 6e-7);
        EXPECT_NEAR(back.df, sent.df, std::fabs(sent.df) * 6e-7);
        for (int i = 1; i <= 5; ++i) {
            EXPECT_NEAR(back.states[i].V, sent.states[i].V, std::fabs(sent.states[i].V) * 6e-7);
            EXPECT_NEAR(back.states[i].Myz, sent.states[i].Myz,
                        std::fabs(sent.states[i].Myz) * 6e-7);
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}
