#include "marvecos/search/searchcsv.h"

#include <charconv>

#include "common/patterntext.h"

namespace marvecos {

namespace {

std::string exactText(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string metres(double value) {
    return common::formatPattern(value, "####0.000");
}

constexpr const char* kHeader = "Xcr,Ycr,R,fs\r\n";

}  // namespace

std::string searchCsvRows(const SearchResult& result, int centre, const SearchCircle* circles,
                          int count) {
    const SearchGrid& grid = result.grid;
    const std::string centreText = metres(result.centreX(centre % grid.x.count)) + "," +
                                   metres(result.centreY(centre / grid.x.count)) + ",";
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * 32);
    for (int j = 0; j < count; ++j) {
        const SearchCircle& circle = circles[j];
        text += centreText;
        text += metres(circle.R);
        text += ',';
        if (circle.reason == SkipReason::None) {
            text += exactText(circle.fs);
        }
        text += "\r\n";
    }
    return text;
}

std::string searchCsvText(const SearchResult& result) {
    const SearchGrid& grid = result.grid;
    std::string text = kHeader;
    for (int centre = 0; centre < result.centresTried; ++centre) {
        text += searchCsvRows(result, centre,
                              &result.circles[static_cast<std::size_t>(centre) * grid.radii()],
                              grid.radii());
    }
    return text;
}

SearchCsvStream::SearchCsvStream(const std::string& path) : file_(path) {
    file_.append(kHeader);
}

void SearchCsvStream::centreDone(const SearchResult& result, int centre,
                                 const SearchCircle* circles, int count) {
    file_.append(searchCsvRows(result, centre, circles, count));
}

}  // namespace marvecos
