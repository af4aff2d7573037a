#pragma once

// What the results window keeps: its grids as a CSV file and as printed lines, and the slice
// quantities of the ground model it shows beside them. Qt-free.

#include <optional>
#include <string>
#include <vector>

#include "marvecos/model/groundmodel.h"
#include "marvecos/model/modelslices.h"
#include "marvecos/problem.h"
#include "marvecos/resultfiles.h"

namespace marvecos {

// The slices of the problem's circle on the ground model, for the results window; nothing
// when the model adds nothing to the fields' slope or the circle has no slices.
std::optional<ModelSlices> modelSlicesOf(const SlopeProblem& p, const GroundModel& model);

// Headings of the grid of the model's slice quantities, units included.
inline const std::vector<const char*> kModelSliceHeadings = {
    "Capa", "c (kN/m2)", "fi (º)", "u (kN/m2)", "Q (kN/m)", "kh*W (kN/m)"};

// Row k (1-based) of that grid, in the order of the headings.
std::vector<double> modelSliceRow(const ModelSlices& s, int k);

// The grids as CSV (UTF-8, CR LF): for each grid its title, its header row and its rows, a
// blank line between grids, then the factor of safety. Numbers in the shortest text that reads
// back to the value of the files.
std::string resultsCsvText(const ResultTables& t, const std::optional<ModelSlices>& model);

// The same as lines for the printer, numbers in the grids' patterns.
std::vector<std::string> resultsPrintLines(const ResultTables& t,
                                           const std::optional<ModelSlices>& model,
                                           const std::string& title);

}  // namespace marvecos
