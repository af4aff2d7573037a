#include "grenvil/fixedfield.h"

#include <cmath>
#include <cstdio>

namespace grenvil {

namespace {

std::string fitted(const std::string& text, int width) {
    if (static_cast<int>(text.size()) > width) {
        return std::string(width, '*');
    }
    return std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::string fixedDecimal(float value, int width, int decimals) {
    if (!std::isfinite(value)) {
        return std::string(width, '*');
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
    return fitted(buffer, width);
}

std::string fixedInteger(long value, int width) {
    return fitted(std::to_string(value), width);
}

}  // namespace grenvil
