#include "marvecos/resultfiles.h"

#include <gtest/gtest.h>

#include "marvecos/coords.h"
#include "marvecos/methods/slicemethod.h"
#include "tempfolder.h"

namespace marvecos {
namespace {

const std::string kCoords = " 2 \r\n 1  -1.5  2.25  -1.5  3 \r\n 2  1.25  -0.5  1.25  0 \r\n";
const std::string kResults =
    " 1 \r\n 2.75  3.5  2.8  63  0.98  0.19  61.7  12.1 \r\n 2  1.5  1.46 \r\n"
    " 1.48  1.47 \r\n 1.47  1.46 \r\n 5E-05 \r\n";

TEST(ResultTables, ReadFieldByFieldWhateverTheLines) {
    std::string oneLine = kResults;
    for (char& ch : oneLine) {
        ch = ch == '\r' || ch == '\n' ? ' ' : ch;
    }
    for (const std::string& results : {kResults, oneLine}) {
        const auto t = parseResultTables(kCoords, results);
        ASSERT_TRUE(t);
        ASSERT_EQ(t->points.size(), 2u);
        EXPECT_EQ(t->points[1], (std::array<double, 4>{1.25, -0.5, 1.25, 0}));
        ASSERT_EQ(t->slices.size(), 1u);
        EXPECT_EQ(t->slices[0][7], 12.1);
        EXPECT_EQ(t->iter, 2);
        EXPECT_EQ(t->fs0, 1.5);
        EXPECT_EQ(t->fs, 1.46);
        ASSERT_EQ(t->iterations.size(), 2u);
        EXPECT_EQ(t->iterations[1], (std::array<double, 2>{1.47, 1.46}));
        EXPECT_EQ(t->error, 5E-05);
    }
}

TEST(ResultTables, ShortGarbledOrImpossibleFilesAreRejected) {
    auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        return text.replace(text.find(from), from.size(), to);
    };
    EXPECT_FALSE(parseResultTables("", kResults));
    EXPECT_FALSE(parseResultTables(kCoords, ""));
    EXPECT_FALSE(parseResultTables(kCoords, kResults.substr(0, kResults.size() - 10)));
    EXPECT_FALSE(parseResultTables(replaced(kCoords, "-0.5", "x"), kResults));
    EXPECT_FALSE(parseResultTables(replaced(kCoords, " 2 ", " 0 "), kResults));
    EXPECT_FALSE(parseResultTables(replaced(kCoords, " 2 ", " 106 "), kResults));
    EXPECT_FALSE(parseResultTables(kCoords, replaced(kResults, " 2  1.5", " 1.5  1.5")));
    EXPECT_FALSE(parseResultTables(kCoords, replaced(kResults, " 2  1.5", " 1002  1.5")));
    EXPECT_FALSE(parseResultTables(kCoords, replaced(kResults, "63", "1E400")));
    EXPECT_FALSE(parseResultTables(kCoords, replaced(kResults, "63", "nan")));
    // Something after the last number does not matter.
    EXPECT_TRUE(parseResultTables(kCoords + " 7 ", kResults + "fin"));
}

TEST(ResultTables, AFileOfARunReadsBackAsWritten) {
    TempFolder folder;
    SlopeProblem p;
    p.fi = 20;
    p.c = 10;
    p.gam = 18;
    p.H = 10;
    p.L = 20;
    p.Xcr = 5;
    p.Ycr = 20;
    p.R = 20;
    p.n = 100;
    common::RecordingMessages messages;
    const MethodOutcome run =
        runSliceMethod(SliceMethod::Janbu, p, {folder.path(), folder.path()}, messages);
    ASSERT_TRUE(run.computed);
    const auto t = readResultTables(folder.path());
    ASSERT_TRUE(t);
    EXPECT_EQ(t->points.size(), 101u);
    EXPECT_EQ(t->slices.size(), 100u);
    EXPECT_EQ(t->iterations.size(), static_cast<std::size_t>(t->iter));
    EXPECT_NEAR(t->fs, run.fs, 1e-12);
    EXPECT_FALSE(readResultTables(folder.file("nowhere")));
}

}  // namespace
}  // namespace marvecos
