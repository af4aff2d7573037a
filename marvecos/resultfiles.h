#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

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

}  // namespace marvecos
