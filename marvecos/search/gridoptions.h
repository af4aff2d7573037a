#pragma once

#include <optional>
#include <string>

#include "marvecos/search/searchgrid.h"

namespace marvecos {

// Largest number of points on one axis of a grid given as text.
constexpr int kMaxAxisPoints = 1000;

// "FROM:TO:COUNT" (say "-5:25:21"), numbers read as in the entry fields, COUNT a whole number
// from 1 to kMaxAxisPoints. Nothing when the text is not of that form.
std::optional<GridAxis> parseGridAxis(const std::string& text);

// Radii: "R0:R1:NR" for the same radii at every centre, or a bare "NR" for NR radii per
// centre by the default rule. Changes grid only when the text is valid.
bool parseGridRadii(const std::string& text, SearchGrid& grid);

}  // namespace marvecos
