#pragma once

#include <string>

#include "marvecos/search/circlesearch.h"

namespace marvecos {

// Content of "busqueda.csv": the header "Xcr,Ycr,R,fs", then one row per circle tried, in grid
// order (radii of a centre together, centres along x first). Coordinates to the millimetre;
// fs in the shortest text that reads back to the same number, empty for a circle without one.
std::string searchCsvText(const SearchResult& result);

}  // namespace marvecos
