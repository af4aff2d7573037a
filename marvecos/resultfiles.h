#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/freeformat.h"

namespace marvecos {

// What the results window shows: "coords.tmp" and "results.tmp" of the last run, read back.
struct ResultTables {
    // x and y of the circle point, x and y of the surface point, per boundary.
    std::vector<std::array<double, 4>> points;
    // dxx, A, L1, w, cos, sen, wcos, wsen per slice.
    std::vector<std::array<double, 8>> slices;
    int iter = 0;
    double fs0 = 0;
    double fs = 0;
    // fsprop, fscalc of iterations 1..iter.
    std::vector<std::array<double, 2>> iterations;
    double error = 0;
};

// Reads both files from the folder. Nothing when either is missing, unreadable, short, holds
// a word where a number belongs, a count that is not a whole number the tables can hold, or a
// number too large to show.
std::optional<ResultTables> readResultTables(const std::string& tempFolder);

// The same from the two texts.
std::optional<ResultTables> parseResultTables(const std::string& coords,
                                              const std::string& results);

// A number of a result file that the grids can show (not beyond the range of a double), and a
// count that is a whole number from smallest to largest: anything else is not a file of ours.
bool readResultValue(common::FreeFormatReader& in, double& value);
bool readResultCount(common::FreeFormatReader& in, int smallest, int largest, int& count);

}  // namespace marvecos
