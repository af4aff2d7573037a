#pragma once

#include <array>
#include <string>
#include <utility>

#include "common/messages.h"
#include "fendrolas/methods/methodresults.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// The eight result labels of the main window for the five states, as texts. Column k is
// Label30, Label31, Label32, Label33, Label51, Label52, Label53, Label54 (k = 0..7); row
// state - 1. Empty before the first run.
struct ResultLabels {
    static constexpr int kColumns = 8;
    std::array<std::array<std::string, kColumns>, kStates> text{};

    // "Label30_0" .. "Label54_4": the objectName of column k, state 1..5.
    static std::string objectName(int k, int state);
};

// The partial-results window (Form2) as the calculation sees it. The window implements it;
// batch mode and tests use NullPartialResults or RecordingPartialResults.
class PartialResultsView {
public:
    virtual ~PartialResultsView() = default;
    // Fills the factor labels and grids from the table; the window is not shown.
    virtual void printpar(double Nq, double Nc, double Ngamma, const MethodResults& table,
                          int method) = 0;
    // The method number the window shows and draws by (its Label4), set by the driver.
    virtual void setMethodNumber(int method) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // "Resultados": puts the main window out of use, shows this window and prepares the columns
    // of its three factor grids; printpar follows.
    virtual void open() = 0;
};

class NullPartialResults : public PartialResultsView {
public:
    void printpar(double, double, double, const MethodResults&, int) override {}
    void setMethodNumber(int) override {}
    void setCaption(const std::string&) override {}
    void open() override {}
};

// Keeps what the calculation handed over, for tests and batch mode.
class RecordingPartialResults : public PartialResultsView {
public:
    void printpar(double Nq, double Nc, double Ngamma, const MethodResults& table,
                  int method) override;
    void setMethodNumber(int method) override { methodNumber = method; }
    void setCaption(const std::string& text) override { caption = text; }
    void open() override { ++opened; }

    int printparCalls = 0;
    double Nq = 0, Nc = 0, Ngamma = 0;
    MethodResults table{};
    int printparMethod = 0;
    int methodNumber = 0;
    std::string caption;
    int opened = 0;
};

// The texts of the coefficient dialogs at the moment of the calculation (Form4: alfa1, alfa2,
// cc of Brinch Hansen; Form5: cc of Vesic). Defaults are the dialogs' initial texts.
struct CoefficientTexts {
    std::string alfa1 = "2.5";
    std::string alfa2 = "3.5";
    std::string cc = "0.6";
    std::string vesicCc = "0.6";
};

// Everything a method run talks to besides its input.
struct CalculationContext {
    CalculationContext(common::MessageSink& messages, PartialResultsView& partialResults,
                       MethodTables& tables, std::string directory = "")
        : messages(messages),
          partialResults(partialResults),
          tables(tables),
          directory(std::move(directory)) {}

    common::MessageSink& messages;
    PartialResultsView& partialResults;
    MethodTables& tables;
    // Folder of "res.sal" and the method files; "" is the current directory.
    std::string directory;
    // Set by every method run (frame step 3).
    ResultLabels labels{};
    // Vesic reads its cc from here when it starts.
    CoefficientTexts coefficients{};
    // Set when a result file could not be written (the user saw a message).
    bool writeFailed = false;

    std::string pathOf(const std::string& fileName) const;
};

// Message of the negative-factor check.
enum class NegativeMessage {
    RowAndValue,           // Terzaghi: " 25 - -12.5"
    ExisteFactorNegativo,  // the others: "Existe un factor negativo.   25"
};

struct FrameSteps {
    NegativeMessage negativeMessage = NegativeMessage::ExisteFactorNegativo;
    // False after a state that stopped the method (Vesic, CCSR).
    bool checkNegatives = true;
    // CCSR writes its method file before handing the table to the partial-results window.
    bool fileBeforePartialResults = false;
};

// The sequence every method runs after computing its table (Nc, Nq, Ngamma and method number
// set in `results`): the negative check of state 1, the main-window labels, "res.sal",
// printpar and the method file. Lx and Ly of the input give the "% Area comprim." column.
// A table holding a value that is not finite (overflowing data) is not shown or written: its
// non-finite cells become 0, the labels are cleared and a message tells the user why.
void runMethodFrame(MethodResults& results, const MethodInput& input, const FrameSteps& steps,
                    CalculationContext& context);

// The eight label texts of one state.
std::array<std::string, ResultLabels::kColumns> labelTexts(const MethodResults& results, int state,
                                                           float Lx, float Ly);

// File contents, CR LF lines. A run with a water table adds two lines at the end of each: dw,
// gsat and q, then the unit weight of the gamma term of states 1 to 5.
std::string summaryFileText(const MethodResults& results);  // "res.sal"
std::string methodFileText(const MethodResults& results);   // "terza.out" etc.

// Writes a file through common::writeFileSafely; on failure shows "No se pudo guardar el
// archivo NAME" (title "ERROR", critical icon) and returns false, the old file intact.
bool writeResultFile(const std::string& fileName, const std::string& content,
                     CalculationContext& context);

// Method runs (methods/moduloT.h and the other method headers):
//   void metodoterzaghi(const MethodInput&, CalculationContext&);
//   void metodomeyerhof(const MethodInput&, CalculationContext&);
//   void metodohansen(const MethodInput&, float alfa1, float alfa2, float cc,
//                     CalculationContext&);
//   void metodovesic(const MethodInput&, CalculationContext&);   // cc from context.coefficients
//   void metodoccsr(const MethodInput&, CalculationContext&);
// Each computes into context.tables.of(its number) and ends with runMethodFrame.

}  // namespace fendrolas
