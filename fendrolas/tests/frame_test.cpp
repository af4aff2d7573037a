#include "fendrolas/methods/frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/messages.h"
#include "fendrolas/methods/readers.h"
#include "fendrolas/tests/testfolder.h"

using namespace fendrolas;

namespace {

std::string blanks(int n) {
    return std::string(n, ' ');
}

// Nc 5.5, Nq 1, Ngamma 0.25; state 1 with qu 1242.5 and Nu 7455, state 3 with qu 20.25.
MethodResults smallTable(int method) {
    MethodResults r;
    r.Nc = 5.5;
    r.Nq = 1;
    r.Ngamma = 0.25;
    r.method = method;
    for (int i = 1; i <= kStates; ++i) {
        r(kRowWidth, i) = 2;
        r(kRowLength, i) = 3;
        r(kRowArea, i) = 6;
        r(kRowSafety, i) = kEmptyStateSafety;
    }
    r(kRowActing, 1) = 166.66667f;
    r(kRowQu, 1) = 1242.5f;
    r(kRowNu, 1) = 7455;
    r(kRowSafety, 1) = 7.455f;
    r(kRowQu, 3) = 20.25f;
    r(kSavedRows + 1, 1) = 99;  // rows 34 and 35 are not written
    return r;
}

MethodInput baseInput() {
    MethodInput in;
    in.Lx = 2;
    in.Ly = 3;
    return in;
}

// Remembers the order in which the frame reaches the partial results and the files.
class OrderWatcher : public NullPartialResults {
public:
    explicit OrderWatcher(const TestFolder& folder) : folder_(folder) {}
    void printpar(double, double, double, const MethodResults&, int) override {
        methodFileExisted = !folder_.read("ccsr.out").empty();
    }
    bool methodFileExisted = false;

private:
    const TestFolder& folder_;
};

struct FrameRun {
    TestFolder folder;
    common::RecordingMessages messages;
    RecordingPartialResults partial;
    MethodTables tables;
    CalculationContext context{messages, partial, tables, folder.path()};
};

}  // namespace

TEST(ResultFiles, SummaryFileLayout) {
    const std::string text = summaryFileText(smallTable(1));
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 166u);
    EXPECT_EQ(lines[0], " 5.5" + blanks(10) + " 1" + blanks(12) + " .25" + blanks(10) + " 1 ");
    // Row j of state i on line 2 + 5 (j - 1) + (i - 1), counted from 1.
    EXPECT_EQ(lines[1], " 2 ");
    EXPECT_EQ(lines[1 + 5 * 24], " 1242.5 ");
    EXPECT_EQ(lines[1 + 5 * 24 + 2], " 20.25 ");
    EXPECT_EQ(lines[1 + 5 * 25], " 7455 ");
    EXPECT_EQ(lines[1 + 5 * 23], " 166.6667 ");
    EXPECT_EQ(lines[165], " 0 ");
    EXPECT_EQ(text.find('\n') - 1, text.find('\r'));
}

TEST(ResultFiles, MethodFileLayout) {
    EXPECT_EQ(methodFileText(smallTable(1)),
              "1242.500" + blanks(6) + "7455.000\r\n" +  //
                  "0.000" + blanks(9) + "0.000\r\n" +    //
                  "20.250" + blanks(8) + "0.000\r\n" +   //
                  "0.000" + blanks(9) + "0.000\r\n" +    //
                  "0.000" + blanks(9) + "0.000\r\n" +    //
                  " 1242.5" + blanks(7) + " 7455 \r\n");
}

TEST(ResultFiles, EmptyRunWritesZerosAsTheLargestValues) {
    MethodResults empty;
    empty.method = 2;
    const std::string text = methodFileText(empty);
    EXPECT_EQ(text.substr(text.size() - 21), "\r\n 0" + blanks(12) + " 0 \r\n");
}

TEST(ResultFiles, AllNegativeRunKeepsTheStartValues) {
    MethodResults negative;
    for (int i = 1; i <= kStates; ++i) {
        negative(kRowQu, i) = -200000;
        negative(kRowNu, i) = -2000000;
    }
    const std::string text = methodFileText(negative);
    EXPECT_NE(text.find("\r\n-100000       -1000000 \r\n"), std::string::npos);
}

TEST(Frame, WritesBothFilesAndReadsThemBack) {
    FrameRun run;
    MethodResults table = smallTable(3);
    runMethodFrame(table, baseInput(), FrameSteps{}, run.context);
    EXPECT_TRUE(run.messages.shown.empty());
    EXPECT_EQ(run.folder.read("res.sal"), summaryFileText(table));
    EXPECT_EQ(run.folder.read("hansen.out"), methodFileText(table));
    EXPECT_EQ(run.partial.printparCalls, 1);
    EXPECT_EQ(run.partial.printparMethod, 3);
    EXPECT_EQ(run.partial.Nq, 1);
    EXPECT_EQ(run.partial.Nc, 5.5);

    MethodResults back;
    back(kSavedRows + 1, 1) = 7;  // rows beyond 33 are not in the file and stay as they were
    ASSERT_TRUE(readSummaryFile(run.folder.path(), back));
    EXPECT_EQ(back.method, 3);
    EXPECT_EQ(back.Nc, 5.5);
    EXPECT_EQ(back.Ngamma, 0.25);
    EXPECT_EQ(back(kRowQu, 1), 1242.5f);
    // Seven significant digits: single precision does not always come back bit for bit.
    EXPECT_EQ(back(kRowActing, 1), 166.6667f);
    EXPECT_EQ(back(kSavedRows + 1, 1), 7);
}

TEST(Frame, LabelsOfEveryState) {
    FrameRun run;
    MethodResults table = smallTable(2);
    table(kRowWidth, 2) = 1.5f;
    table(kRowArea, 2) = 4.5f;
    runMethodFrame(table, baseInput(), FrameSteps{}, run.context);
    const auto& state1 = run.context.labels.text[0];
    EXPECT_EQ(state1[0], "166.7");
    EXPECT_EQ(state1[1], "1242.5");
    EXPECT_EQ(state1[3], "7.455");
    EXPECT_EQ(run.context.labels.text[1][4], "1.50");
    EXPECT_EQ(run.context.labels.text[1][7], "75.00");
    EXPECT_EQ(run.context.labels.text[4][3], "100000.000");
    EXPECT_EQ(ResultLabels::objectName(0, 1), "Label30_0");
    EXPECT_EQ(ResultLabels::objectName(7, 5), "Label54_4");
}

TEST(Frame, NegativeCheckCoversStateOneRowsOneToThirty) {
    FrameRun run;
    MethodResults table = smallTable(2);
    table(kRowIc, 1) = -0.5f;
    table(kRowEx, 1) = -1;
    table(kRowEy, 1) = -1;  // not checked
    table(kRowIc, 2) = -1;  // not checked
    runMethodFrame(table, baseInput(), FrameSteps{}, run.context);
    ASSERT_EQ(run.messages.shown.size(), 2u);
    EXPECT_EQ(run.messages.shown[0],
              (common::Message{"Existe un factor negativo.   9", "", common::MessageIcon::None}));
    EXPECT_EQ(run.messages.shown[1].text, "Existe un factor negativo.   30");

    FrameRun skipped;
    FrameSteps steps;
    steps.checkNegatives = false;
    runMethodFrame(table, baseInput(), steps, skipped.context);
    EXPECT_TRUE(skipped.messages.shown.empty());
    EXPECT_FALSE(skipped.folder.read("meyer.out").empty());
}

TEST(Frame, CcsrWritesItsFileBeforeThePartialResults) {
    TestFolder folder;
    common::RecordingMessages messages;
    OrderWatcher watcher(folder);
    MethodTables tables;
    CalculationContext context(messages, watcher, tables, folder.path());
    MethodResults table = smallTable(5);
    FrameSteps steps;
    steps.fileBeforePartialResults = true;
    runMethodFrame(table, baseInput(), steps, context);
    EXPECT_TRUE(watcher.methodFileExisted);

    TestFolder other;
    OrderWatcher usual(other);
    CalculationContext usualContext(messages, usual, tables, other.path());
    runMethodFrame(table, baseInput(), FrameSteps{}, usualContext);
    EXPECT_FALSE(usual.methodFileExisted);
}

TEST(Frame, FilesThatCannotBeWrittenAreReported) {
    FrameRun run;
    run.context.directory = run.folder.file("no-such-folder");
    MethodResults table = smallTable(1);
    runMethodFrame(table, baseInput(), FrameSteps{}, run.context);
    ASSERT_EQ(run.messages.shown.size(), 2u);
    EXPECT_EQ(run.messages.shown[0], (common::Message{"No se pudo guardar el archivo res.sal",
                                                      "ERROR", common::MessageIcon::Critical}));
    EXPECT_EQ(run.messages.shown[1].text, "No se pudo guardar el archivo terza.out");
    EXPECT_TRUE(run.context.writeFailed);
    // The results still reach the window.
    EXPECT_EQ(run.context.labels.text[0][1], "1242.5");
    EXPECT_EQ(run.partial.printparCalls, 1);
}

TEST(Frame, OneUnwritableFileDoesNotStopTheOther) {
    FrameRun run;
    // A folder in the place of "res.sal" cannot be replaced by a file.
    std::filesystem::create_directories(run.folder.file("res.sal/keep"));
    run.folder.write("terza.out", "old results");
    MethodResults table = smallTable(1);
    runMethodFrame(table, baseInput(), FrameSteps{}, run.context);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].text, "No se pudo guardar el archivo res.sal");
    EXPECT_TRUE(std::filesystem::is_directory(run.folder.file("res.sal/keep")));
    EXPECT_EQ(run.folder.read("terza.out"), methodFileText(table));
    // Nothing half-written is left behind.
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(run.folder.path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 2);
}

TEST(Frame, NonFiniteResultsAreNeitherShownNorWritten) {
    FrameRun run;
    run.context.labels.text[0][1] = "999.9";
    MethodResults table = smallTable(4);
    table(kRowQu, 2) = INFINITY;
    table.Nq = NAN;
    runMethodFrame(table, baseInput(), FrameSteps{}, run.context);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].title, "ERROR");
    EXPECT_NE(run.messages.shown[0].text.find("Vesic"), std::string::npos);
    EXPECT_EQ(run.context.labels.text[0][1], "");
    EXPECT_EQ(run.partial.printparCalls, 0);
    EXPECT_EQ(run.folder.read("vesic.out"), "");
    EXPECT_EQ(table(kRowQu, 2), 0);
    EXPECT_EQ(table.Nq, 0);
}
