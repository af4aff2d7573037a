#include "common/patterntext.h"

#include <charconv>
#include <cmath>

namespace common {

namespace {

bool isPlace(char ch) {
    return ch == '#' || ch == '0';
}

struct Pattern {
    std::string prefix, suffix;
    int integerZeros = 0;  // digits always written before the point
    int decimals = 0;      // places after the point
    int decimalZeros = 0;  // decimals always written ('0'); the rest ('#') drop trailing zeros
    bool onlyHashes = true;
};

Pattern parsePattern(const std::string& pattern) {
    Pattern p;
    std::size_t first = pattern.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (isPlace(pattern[i]) || (pattern[i] == '.' && first != pattern.size())) {
            if (first == pattern.size() && pattern[i] != '.') {
                first = i;
            }
            if (first != pattern.size()) {
                last = i;
            }
        } else if (first != pattern.size()) {
            break;
        }
    }
    if (first == pattern.size()) {
        p.prefix = pattern;
        return p;
    }
    p.prefix = pattern.substr(0, first);
    p.suffix = pattern.substr(last + 1);
    bool afterPoint = false;
    for (std::size_t i = first; i <= last; ++i) {
        const char ch = pattern[i];
        if (ch == '.') {
            afterPoint = true;
            continue;
        }
        if (ch == '0') {
            p.onlyHashes = false;
        }
        if (afterPoint) {
            ++p.decimals;
            if (ch == '0') {
                p.decimalZeros = p.decimals;
            }
        } else if (ch == '0') {
            ++p.integerZeros;
        }
    }
    return p;
}

// Digits of |value| rounded half away from zero to the given decimals: integer part, fraction.
std::pair<std::string, std::string> roundedDigits(double magnitude, int decimals) {
    // The exact expansion well past the rounding place tells a true tie from a near one.
    char buffer[512];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed,
                                decimals + 30);
    std::string text(buffer, result.ptr);
    const std::size_t point = text.find('.');
    std::string integer = text.substr(0, point);
    std::string fraction = text.substr(point + 1);
    const bool roundUp = fraction[decimals] >= '5';
    std::string kept = integer + fraction.substr(0, decimals);
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') {
            kept[i] = '0';
            --i;
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
            integer.insert(integer.begin(), '0');
        } else {
            ++kept[i];
        }
    }
    const std::size_t integerLength = kept.size() - decimals;
    return {kept.substr(0, integerLength), kept.substr(integerLength)};
}

}  // namespace

std::string formatPattern(double value, const std::string& pattern) {
    const Pattern p = parsePattern(pattern);
    if (!std::isfinite(value)) {
        return p.prefix + p.suffix;
    }
    auto [integer, fraction] = roundedDigits(std::fabs(value), p.decimals);

    std::size_t firstSignificant = integer.find_first_not_of('0');
    integer = firstSignificant == std::string::npos ? "" : integer.substr(firstSignificant);
    if (static_cast<int>(integer.size()) < p.integerZeros) {
        integer.insert(0, p.integerZeros - integer.size(), '0');
    }
    while (static_cast<int>(fraction.size()) > p.decimalZeros && !fraction.empty() &&
           fraction.back() == '0') {
        fraction.pop_back();
    }
    const bool isZero = integer.find_first_not_of('0') == std::string::npos &&
                        fraction.find_first_not_of('0') == std::string::npos;
    if (isZero && p.onlyHashes) {
        return p.prefix + p.suffix;
    }
    std::string number = integer;
    if (!fraction.empty()) {
        number += "." + fraction;
    }
    if (value < 0 && !isZero) {
        number.insert(0, "-");
    }
    return p.prefix + number + p.suffix;
}

}  // namespace common
