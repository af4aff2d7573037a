#pragma once

#include <array>
#include <string>

#include "fendrolas/problem.h"

namespace fendrolas {

// Method numbers as they appear in "res.sal" and in the partial-results window.
constexpr int kTerzaghi = 1;
constexpr int kMeyerhof = 2;
constexpr int kBrinchHansen = 3;
constexpr int kVesic = 4;
constexpr int kCcsr = 5;
constexpr int kMethods = 5;

// Rows of a result table; row 0 is not part of the results.
constexpr int kResultRows = 35;
// Rows that go to "res.sal" and come back from it.
constexpr int kSavedRows = 33;

// Row numbers used outside the method modules (labels, files, readers).
constexpr int kRowWidth = 1;         // b'
constexpr int kRowLength = 2;        // l'
constexpr int kRowArea = 3;          // A'
constexpr int kRowActing = 24;       // V/A'
constexpr int kRowQu = 25;           // ultimate pressure
constexpr int kRowNu = 26;           // ultimate load
constexpr int kRowSafety = 27;       // factor of safety
constexpr int kRowLastChecked = 30;  // state 1 is checked for negatives in rows 1..30

// Factor of safety of an empty state (V = 0).
constexpr float kEmptyStateSafety = 100000.0f;

// One method's results: rows 0..35 by columns 0..5 (column i = load state i, column 0 free
// for method-specific values), single precision, plus the three bearing-capacity factors of the
// run in double precision. The table lives as long as the program: a run rewrites only what it
// computes.
struct MethodResults {
    std::array<std::array<float, kStates + 1>, kResultRows + 1> cell{};
    double Nc = 0, Nq = 0, Ngamma = 0;
    int method = 0;

    float& operator()(int row, int state) { return cell[row][state]; }
    float operator()(int row, int state) const { return cell[row][state]; }
};

// The five methods' tables, owned by the driver for the life of the program. Index 1..5.
struct MethodTables {
    std::array<MethodResults, kMethods + 1> byMethod{};
    MethodResults& of(int method) { return byMethod[method]; }
};

// "terza.out", "meyer.out", "hansen.out", "vesic.out", "ccsr.out"; "" outside 1..5.
std::string methodFileName(int method);
// "Terzaghi", "Meyerhof", "Brinch Hansen", "Vesic", "CCSR Mza 87": the partial-results
// window is titled "Resultados parciales - " + this.
std::string methodCaptionSuffix(int method);
// "Resultados parciales - Terzaghi" etc.
std::string partialResultsCaption(int method);

constexpr const char* kSummaryFileName = "res.sal";
constexpr const char* kProgramTitle = "FENDROLAS";

}  // namespace fendrolas
