#pragma once

#include <array>
#include <string>

#include "fendrolas/methods/methodresults.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// What "Comparar" reads from the five method files; index [method][state], 1..5.
struct ComparisonData {
    std::array<std::array<float, kStates + 1>, kMethods + 1> quTable{};
    std::array<std::array<float, kStates + 1>, kMethods + 1> NuTable{};
    std::array<float, kMethods + 1> maxQuOf{};
    std::array<float, kMethods + 1> maxNuOf{};
    float maxQu = 0, maxNu = 0;
};

// Text of the box "Comparar" shows when a method file is missing or unreadable (title " Error ",
// critical icon).
constexpr const char* kMissingFilesMessage =
    " Uno de los archvos necesarios no se encuentra. Por favor corra todos los metodos para "
    "hacer la comparacion. ";
constexpr const char* kMissingFilesTitle = " Error ";

// Reads "res.sal" from the folder (""= current) into `table` (rows 1..33, states 1..5, plus Nc,
// Nq, Ngamma and the method number, 0 when the file names none of 1..5, and the water table's
// lines when the run had one). False, with `table`
// untouched, when the file is missing or holds a bad number or too few numbers.
bool readSummaryFile(const std::string& directory, MethodResults& table);

// Reads the five method files into `data`. False, with `data` untouched, when any of them is
// missing or unreadable.
bool readComparisonFiles(const std::string& directory, ComparisonData& data);

}  // namespace fendrolas
