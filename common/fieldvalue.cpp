#include "common/fieldvalue.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace common {

namespace {

constexpr long long kHugeExponent = 1000000000;

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Length of the longest prefix of s that is a number: sign, digits, point, digits, exponent.
// The exponent counts only when it has at least one digit.
std::size_t numberPrefixLength(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

// Whether an unsigned number text (exponent introduced by E) stands for a value below 1: the
// power of ten of its first significant digit is negative. Only asked of numbers too far from 1
// for a double, whose size the digits alone ("0.000...01") or the exponent may set.
bool belowOne(const std::string& number) {
    const std::size_t e = std::min(number.find('E'), number.size());
    const std::string mantissa = number.substr(0, e);
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos) {
        return true;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const long long place = first < point ? static_cast<long long>(point - first) - 1
                                          : -static_cast<long long>(first - point);
    long long exponent = 0;
    if (e < number.size()) {
        // A huge exponent only needs its sign and size, not its exact value.
        exponent = std::clamp(std::strtoll(number.c_str() + e + 1, nullptr, 10), -kHugeExponent,
                              kHugeExponent);
    }
    return place + exponent < 0;
}

// Converts a well-formed number text whatever the locale; e, D and d exponents become E.
double convert(std::string number) {
    for (char& ch : number) {
        if (ch == 'e' || ch == 'D' || ch == 'd') {
            ch = 'E';
        }
    }
    std::size_t start = 0;
    bool negative = false;
    if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
        negative = number[0] == '-';
        start = 1;
    }
    double value = 0;
    const char* first = number.data() + start;
    const char* last = number.data() + number.size();
    auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Far beyond any quantity of these programs: too small reads as 0, too large as the
        // largest finite value, so no infinity enters a calculation.
        value = belowOne(number.substr(start)) ? 0.0 : std::numeric_limits<double>::max();
    }
    return negative ? -value : value;
}

}  // namespace

double fieldValue(const std::string& text) {
    std::string packed;
    for (char ch : text) {
        if (ch != ' ' && ch != '\t') {
            packed += ch;
        }
    }
    // The decimal comma of a Spanish keyboard, when the text has no point.
    const std::size_t comma = packed.find(',');
    if (comma != std::string::npos && packed.find('.') == std::string::npos) {
        packed[comma] = '.';
    }
    const std::size_t length = numberPrefixLength(packed);
    if (length == 0) {
        return 0.0;
    }
    return convert(packed.substr(0, length));
}

bool parseNumberToken(const std::string& token, double& value) {
    if (token.empty() || numberPrefixLength(token) != token.size()) {
        return false;
    }
    value = convert(token);
    return true;
}

float toSingle(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (value > kLargest) {
        return std::numeric_limits<float>::max();
    }
    if (value < -kLargest) {
        return -std::numeric_limits<float>::max();
    }
    return static_cast<float>(value);
}

}  // namespace common
