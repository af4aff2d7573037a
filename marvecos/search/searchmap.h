#pragma once

#include <string>
#include <vector>

#include "marvecos/search/circlesearch.h"

namespace marvecos {

// A band of the map's colours: the centres whose least factor lies in [from, to).
struct MapBand {
    double from = 0, to = 0;  // to is 0 for the last band, which has no upper end
    int color = 0;            // entry of the classic 16-colour palette
    std::string label;        // "1.225 - 1.286", or "> 2.450" for the last band
};

// A cell around one centre of the grid, in problem coordinates.
struct MapCell {
    double left = 0, right = 0, bottom = 0, top = 0;
    int band = -1;  // index into the bands; -1 for a centre without any factor
};

// The factors of safety over the centres of a search, ready to be painted: the critical one
// stands out in the first band, the bands widen as the factors grow away from it.
struct SearchMap {
    std::vector<MapBand> bands;
    std::vector<MapCell> cells;
    bool hasCritical = false;
    double criticalX = 0, criticalY = 0;
    double criticalFs = 0;
};

// The bands go up from the least factor F in steps of 1.05F, 1.10F, 1.25F, 1.5F and 2F;
// centres in the same band share a colour, centres without a factor are left blank.
SearchMap searchMap(const SearchResult& result);

}  // namespace marvecos
