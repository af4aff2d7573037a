#include "marvecos/search/gridoptions.h"

#include <cmath>
#include <vector>

#include "common/fieldvalue.h"

namespace marvecos {

namespace {

std::vector<std::string> splitAtColons(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char ch : text) {
        if (ch == ':') {
            parts.emplace_back();
        } else {
            parts.back() += ch;
        }
    }
    return parts;
}

bool parseCount(const std::string& text, int& count) {
    double value = 0;
    if (!common::parseNumberToken(text, value) || value != std::floor(value) || value < 1 ||
        value > kMaxAxisPoints) {
        return false;
    }
    count = static_cast<int>(value);
    return true;
}

bool parseCoordinate(const std::string& text, double& value) {
    return common::parseNumberToken(text, value) && std::isfinite(value) &&
           std::fabs(value) <= 100000;
}

}  // namespace

std::optional<GridAxis> parseGridAxis(const std::string& text) {
    const std::vector<std::string> parts = splitAtColons(text);
    GridAxis a;
    if (parts.size() != 3 || !parseCoordinate(parts[0], a.from) ||
        !parseCoordinate(parts[1], a.to) || !parseCount(parts[2], a.count)) {
        return std::nullopt;
    }
    return a;
}

bool parseGridRadii(const std::string& text, SearchGrid& grid) {
    int count = 0;
    if (parseCount(text, count)) {
        grid.radiiPerCentre = true;
        grid.r = GridAxis{0, 0, count};
        return true;
    }
    const std::optional<GridAxis> radii = parseGridAxis(text);
    if (!radii) {
        return false;
    }
    grid.radiiPerCentre = false;
    grid.r = *radii;
    return true;
}

}  // namespace marvecos
