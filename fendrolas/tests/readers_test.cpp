#include "fendrolas/methods/readers.h"

#include <gtest/gtest.h>

#include "fendrolas/methods/frame.h"
#include "fendrolas/tests/testfolder.h"

using namespace fendrolas;

namespace {

// A method file whose state i has qu = base + i and Nu = 10 (base + i).
std::string methodFile(float base) {
    MethodResults r;
    for (int i = 1; i <= kStates; ++i) {
        r(kRowQu, i) = base + i;
        r(kRowNu, i) = 10 * (base + i);
    }
    return methodFileText(r);
}

void writeAllMethodFiles(const TestFolder& folder) {
    for (int m = 1; m <= kMethods; ++m) {
        folder.write(methodFileName(m), methodFile(100.0f * m));
    }
}

}  // namespace

TEST(ComparisonReader, ReadsTheFiveFilesAndTheirMaxima) {
    TestFolder folder;
    writeAllMethodFiles(folder);
    ComparisonData data;
    ASSERT_TRUE(readComparisonFiles(folder.path(), data));
    EXPECT_EQ(data.quTable[1][1], 101);
    EXPECT_EQ(data.NuTable[3][5], 3050);
    EXPECT_EQ(data.maxQuOf[4], 405);
    EXPECT_EQ(data.maxNuOf[2], 2050);
    EXPECT_EQ(data.maxQu, 505);
    EXPECT_EQ(data.maxNu, 5050);
}

TEST(ComparisonReader, AllEmptyRunsGiveZeroMaxima) {
    TestFolder folder;
    for (int m = 1; m <= kMethods; ++m) {
        folder.write(methodFileName(m), methodFileText(MethodResults{}));
    }
    ComparisonData data;
    data.maxQu = 7;
    ASSERT_TRUE(readComparisonFiles(folder.path(), data));
    EXPECT_EQ(data.maxQu, 0);
    EXPECT_EQ(data.maxNu, 0);
}

TEST(ComparisonReader, MissingShortOrBadFileLeavesTheDataAlone) {
    const std::vector<std::string> badVesic = {
        "",                                                  // missing
        "1 2\r\n3 4\r\n5 6\r\n7 8\r\n9 10\r\n11\r\n",        // too few numbers
        "1 2\r\n3 4\r\n5 x\r\n7 8\r\n9 10\r\n11 12\r\n",     // a bad number
        "1 2\r\n3 4\r\n5 6\r\n7 8\r\n9 10\r\n11 1E+99\r\n",  // beyond single precision
    };
    for (const std::string& content : badVesic) {
        TestFolder folder;
        writeAllMethodFiles(folder);
        std::filesystem::remove(folder.file("vesic.out"));
        if (!content.empty())
            folder.write("vesic.out", content);
        ComparisonData data;
        data.quTable[3][1] = 42;
        EXPECT_FALSE(readComparisonFiles(folder.path(), data)) << content;
        EXPECT_EQ(data.quTable[3][1], 42);
        EXPECT_EQ(data.maxQu, 0);
    }
}

TEST(SummaryReader, MissingShortOrBadFile) {
    TestFolder folder;
    MethodResults table;
    table(kRowWidth, 1) = 3;
    EXPECT_FALSE(readSummaryFile(folder.path(), table));

    MethodResults written;
    written.method = 2;
    written(kRowWidth, 1) = 2;
    std::string text = summaryFileText(written);
    folder.write("res.sal", text.substr(0, text.size() - 4));
    EXPECT_FALSE(readSummaryFile(folder.path(), table));

    std::string bad = text;
    bad.replace(bad.find("\r\n") + 2, 2, "x2");
    folder.write("res.sal", bad);
    EXPECT_FALSE(readSummaryFile(folder.path(), table));
    EXPECT_EQ(table(kRowWidth, 1), 3);

    folder.write("res.sal", text);
    EXPECT_TRUE(readSummaryFile(folder.path(), table));
    EXPECT_EQ(table(kRowWidth, 1), 2);
    EXPECT_EQ(table.method, 2);
}

TEST(SummaryReader, MethodNumberOutsideTheFiveIsNone) {
    TestFolder folder;
    MethodResults written;
    for (int method : {0, 6, -3}) {
        written.method = method;
        folder.write("res.sal", summaryFileText(written));
        MethodResults table;
        ASSERT_TRUE(readSummaryFile(folder.path(), table));
        EXPECT_EQ(table.method, 0);
    }
}
