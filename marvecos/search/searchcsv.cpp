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

}  // namespace

std::string searchCsvText(const SearchResult& result) {
    const SearchGrid& grid = result.grid;
    std::string text = "Xcr,Ycr,R,fs\r\n";
    text.reserve(static_cast<std::size_t>(result.centresTried) * grid.radii() * 32);
    for (int centre = 0; centre < result.centresTried; ++centre) {
        const std::string centreText = metres(result.centreX(centre % grid.x.count)) + "," +
                                       metres(result.centreY(centre / grid.x.count)) + ",";
        for (int j = 0; j < grid.radii(); ++j) {
            const SearchCircle& circle =
                result.circles[static_cast<std::size_t>(centre) * grid.radii() + j];
            text += centreText;
            text += metres(circle.R);
            text += ',';
            if (circle.reason == SkipReason::None) {
                text += exactText(circle.fs);
            }
            text += "\r\n";
        }
    }
    return text;
}

}  // namespace marvecos
