#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "common/freeformat.h"
#include "common/messages.h"
#include "common/numbertext.h"
#include "common/printline.h"
#include "common/safefile.h"

using namespace common;
namespace fs = std::filesystem;

TEST(PrintLine, ItemsDirectlyOrInZones) {
    PrintLine direct;
    direct.add(printSingle(30)).add(printSingle(10));
    EXPECT_EQ(direct.text(), " 30  10 ");

    PrintLine zoned;
    zoned.zone(printSingle(2)).zone(printSingle(3)).zone(printSingle(1.5f));
    const std::string line = zoned.text();
    EXPECT_EQ(line.find('3'), 15u);  // position 15 counted from 1 holds the sign blank
    EXPECT_EQ(line.substr(28, 4), " 1.5");
    EXPECT_EQ(line, " 2             3             1.5 ");
}

TEST(PrintLine, FullZoneKeepsTheNextItemApart) {
    PrintLine line;
    line.zone("1234567890.000").zone("5.000");
    EXPECT_EQ(line.text(), "1234567890.000              5.000");
    PrintLine longer;
    longer.zone("123456789012345").zone("x");
    EXPECT_EQ(longer.text().find('x'), 28u);
}

TEST(PrintLine, EmptyItemStillTakesItsZone) {
    PrintLine line;
    line.zone("").zone("1.200").zone("");
    EXPECT_EQ(line.text(), "              1.200");
    line.zone("x");
    EXPECT_EQ(line.text().find('x'), 42u);
}

TEST(PrintLine, ZonesCountCharactersNotBytes) {
    PrintLine line;
    line.zone("CASO N\u00ba:").zone(printInteger(3));
    EXPECT_EQ(line.text(), "CASO N\u00ba:       3 ");
    PrintLine titled;
    titled.add("\u00ba").column(4).add("x");
    EXPECT_EQ(titled.text(), "\u00ba  x");
}

TEST(PrintLine, ColumnAndJoin) {
    PrintLine line;
    line.column(20).add("Titulo");
    EXPECT_EQ(line.text(), std::string(19, ' ') + "Titulo");
    line.column(40);
    EXPECT_EQ(line.text(), std::string(19, ' ') + "Titulo");  // no blanks after the last item
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(FreeFormat, NumbersEndedByBlanksTabsCommasAndLineEnds) {
    FreeFormatReader reader(" 1  2\t3,4\r\n-.5,\n6E+01\r\n");
    std::vector<double> values;
    ASSERT_TRUE(reader.readNumbers(values, 6));
    EXPECT_EQ(values, (std::vector<double>{1, 2, 3, 4, -0.5, 60}));
    EXPECT_TRUE(reader.atEnd());
    double extra = 0;
    EXPECT_FALSE(reader.readNumber(extra));
}

TEST(FreeFormat, BadTokenOrEarlyEndIsAnError) {
    FreeFormatReader bad("1 2 x3 4");
    std::vector<double> values;
    EXPECT_FALSE(bad.readNumbers(values, 4));
    FreeFormatReader shortFile("1 2 3");
    EXPECT_FALSE(shortFile.readNumbers(values, 4));
    EXPECT_FALSE(FreeFormatReader::fromFile("/nonexistent/dir/file.dat").has_value());
    EXPECT_FALSE(FreeFormatReader::fromFile("/dev/zero").has_value());  // would never end
    EXPECT_FALSE(FreeFormatReader::fromFile(fs::temp_directory_path().string()).has_value());
}

TEST(FreeFormat, LinesWithoutTheirEnds) {
    FreeFormatReader reader("first line\r\nsecond\n");
    std::string line;
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(line, "first line");
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(line, "second");
    EXPECT_FALSE(reader.readLine(line));
}

class SafeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("safefile-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    fs::path dir;
};

TEST_F(SafeFileTest, WritesAndReplacesWholeFiles) {
    const std::string path = (dir / "res.sal").string();
    ASSERT_TRUE(writeFileSafely(path, "old\r\n"));
    ASSERT_TRUE(writeFileSafely(path, "new content\r\n"));
    std::string content;
    ASSERT_TRUE(readWholeFile(path, content));
    EXPECT_EQ(content, "new content\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(SafeFileTest, FailureLeavesTheOldFileAndReportsIt) {
    if (::geteuid() == 0) {
        // root writes into read-only folders; a missing folder fails for everyone
        std::string error;
        EXPECT_FALSE(writeFileSafely((dir / "missing" / "f.dat").string(), "x", &error));
        EXPECT_FALSE(error.empty());
        return;
    }
    const std::string path = (dir / "datos.dat").string();
    ASSERT_TRUE(writeFileSafely(path, "kept"));
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    std::string error;
    EXPECT_FALSE(writeFileSafely(path, "lost", &error));
    EXPECT_FALSE(error.empty());
    std::string content;
    ASSERT_TRUE(readWholeFile(path, content));
    EXPECT_EQ(content, "kept");
}

TEST_F(SafeFileTest, AReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes over read-only files";
    }
    const std::string path = (dir / "firmado.dat").string();
    ASSERT_TRUE(writeFileSafely(path, "signed"));
    fs::permissions(path, fs::perms::owner_read);
    std::string error;
    EXPECT_FALSE(writeFileSafely(path, "replaced", &error));
    EXPECT_FALSE(error.empty());
    std::string content;
    ASSERT_TRUE(readWholeFile(path, content));
    EXPECT_EQ(content, "signed");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(Messages, RecordedInOrder) {
    RecordingMessages messages;
    messages.show("uno", "ERROR", MessageIcon::Critical);
    messages.show("dos", "", MessageIcon::None);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0], (Message{"uno", "ERROR", MessageIcon::Critical}));
    EXPECT_EQ(messages.shown[1].text, "dos");
}
