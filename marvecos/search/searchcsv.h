#pragma once

#include <string>

#include "common/safefile.h"
#include "marvecos/search/circlesearch.h"

namespace marvecos {

// Content of "busqueda.csv": the header "Xcr,Ycr,R,fs", then one row per circle tried, in grid
// order (radii of a centre together, centres along x first). Coordinates to the millimetre;
// fs in the shortest text that reads back to the same number, empty for a circle without one.
std::string searchCsvText(const SearchResult& result);

// The rows of one centre's circles.
std::string searchCsvRows(const SearchResult& result, int centre, const SearchCircle* circles,
                          int count);

// "busqueda.csv" written as the search goes, through the safe writer: the old file stays
// until finish() has written the whole new one.
class SearchCsvStream : public CircleSink {
public:
    explicit SearchCsvStream(const std::string& path);
    void centreDone(const SearchResult& result, int centre, const SearchCircle* circles,
                    int count) override;
    bool finish() { return file_.finish(); }

private:
    common::SafeFileStream file_;
};

}  // namespace marvecos
