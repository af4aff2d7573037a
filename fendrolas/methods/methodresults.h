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

// The rows of a result table, one name per row. The numbering is that of "res.sal" and of the
// partial-results window. Brinch Hansen computes its factors in the directions of b' and l' and
// fills both rows of a pair; the other methods have one factor and write it in the first row,
// named here without the direction (kRowDc is kRowDcb).
constexpr int kRowWidth = 1;   // b'
constexpr int kRowLength = 2;  // l'
constexpr int kRowArea = 3;    // A'
constexpr int kRowDcb = 4;
constexpr int kRowDcL = 5;
constexpr int kRowDqb = 6;
constexpr int kRowDqL = 7;
constexpr int kRowDg = 8;
constexpr int kRowIcb = 9;
constexpr int kRowIcL = 10;
constexpr int kRowIqb = 11;
constexpr int kRowIqL = 12;
constexpr int kRowIgb = 13;
constexpr int kRowIgL = 14;
constexpr int kRowScb = 15;
constexpr int kRowScL = 16;
constexpr int kRowSqb = 17;
constexpr int kRowSqL = 18;
constexpr int kRowSgb = 19;
constexpr int kRowSgL = 20;
constexpr int kRowQ = 21;       // overburden q at the base level
constexpr int kRowQub = 22;     // Brinch Hansen's qu in the direction of b'
constexpr int kRowQuL = 23;     // and of l'
constexpr int kRowActing = 24;  // V/A'
constexpr int kRowQu = 25;      // ultimate pressure
constexpr int kRowNu = 26;      // ultimate load
constexpr int kRowSafety = 27;  // factor of safety
constexpr int kRowLxp = 28;     // Lx'
constexpr int kRowLyp = 29;     // Ly'
constexpr int kRowEx = 30;      // Brinch Hansen's eccentricities
constexpr int kRowEy = 31;
constexpr int kRowM = 33;  // Vesic's exponent m of the inclination factors
// Brinch Hansen keeps its three factors in column 0.
constexpr int kRowHansenNq = 32;
constexpr int kRowHansenNc = 33;
constexpr int kRowHansenNgamma = 34;

// The one-direction factors of the other methods.
constexpr int kRowDc = kRowDcb;
constexpr int kRowDq = kRowDqb;
constexpr int kRowIc = kRowIcb;
constexpr int kRowIq = kRowIqb;
constexpr int kRowIg = kRowIgb;
constexpr int kRowSc = kRowScb;
constexpr int kRowSq = kRowSqb;
constexpr int kRowSg = kRowSgb;

// State 1 is checked for negative values in rows 1..30.
constexpr int kRowLastChecked = kRowEx;
// Column 0 of the table holds values of the method, not of a load state.
constexpr int kMethodColumn = 0;

// Factor of safety of an empty state (V = 0).
constexpr float kEmptyStateSafety = 100000.0f;

// The water table of a run and what it made of the soil's weight: the overburden q at the base
// level and, per load state, the unit weight of the gamma term. A run in dry soil has none.
struct WaterUsed {
    bool given = false;
    float dw = 0, gsat = 0;
    float q = 0;
    StateArray gamma{};
};

// One method's results: rows 0..35 by columns 0..5 (column i = load state i, column 0 free
// for method-specific values), single precision, plus the three bearing-capacity factors of the
// run in double precision. The table lives as long as the program: a run rewrites only what it
// computes.
struct MethodResults {
    std::array<std::array<float, kStates + 1>, kResultRows + 1> cell{};
    double Nc = 0, Nq = 0, Ngamma = 0;
    int method = 0;
    WaterUsed water;

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
