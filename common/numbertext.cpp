#include "common/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace common {

namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

// A number as decimal digits (no trailing zeros) and the power of ten of the first digit:
// value = d1.d2d3... x 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

std::string scientific(double value, int significant) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                std::chars_format::scientific, significant - 1);
    return std::string(buffer, result.ptr);
}

bool readsBack(const std::string& text, double value, bool single) {
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    if (single) {
        return static_cast<float>(back) == static_cast<float>(value);
    }
    return back == value;
}

// Shortest decimal form, with at most maxDigits significant digits, that gives the value back.
Decimal shortestDecimal(double value, int maxDigits, bool single) {
    Decimal d;
    d.negative = std::signbit(value) && value != 0;
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(magnitude)) {
        d.digits = "0";
        return d;
    }
    std::string text;
    for (int p = 1; p <= maxDigits; ++p) {
        text = scientific(magnitude, p);
        if (readsBack(text, magnitude, single)) {
            break;
        }
    }
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') {
            d.digits += text[i];
        }
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    d.exponent = std::atoi(text.c_str() + e + 1);
    return d;
}

bool fitsPlainForm(const Decimal& d, int maxDigits) {
    return d.exponent >= -4 && d.exponent < maxDigits;
}

std::string plainForm(const Decimal& d, bool leadingZero) {
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent < 0) {
        return std::string(leadingZero ? "0." : ".") + std::string(-d.exponent - 1, '0') + d.digits;
    }
    const int integerDigits = d.exponent + 1;
    if (n <= integerDigits) {
        return d.digits + std::string(integerDigits - n, '0');
    }
    return d.digits.substr(0, integerDigits) + "." + d.digits.substr(integerDigits);
}

std::string exponentForm(const Decimal& d) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
        text += "." + d.digits.substr(1);
    }
    const int power = std::abs(d.exponent);
    text += d.exponent < 0 ? "E-" : "E+";
    if (power < 10) {
        text += "0";
    }
    return text + std::to_string(power);
}

std::string unsignedText(const Decimal& d, int maxDigits, bool leadingZero) {
    if (d.digits == "0") {
        return "0";
    }
    return fitsPlainForm(d, maxDigits) ? plainForm(d, leadingZero) : exponentForm(d);
}

std::string display(double value, int maxDigits, bool single) {
    const Decimal d = shortestDecimal(value, maxDigits, single);
    return (d.negative ? "-" : "") + unsignedText(d, maxDigits, true);
}

std::string print(double value, int maxDigits, bool single) {
    const Decimal d = shortestDecimal(value, maxDigits, single);
    return (d.negative ? "-" : " ") + unsignedText(d, maxDigits, false) + " ";
}

}  // namespace

std::string displaySingle(float value) {
    return display(value, kSingleDigits, true);
}

std::string displayDouble(double value) {
    return display(value, kDoubleDigits, false);
}

std::string printSingle(float value) {
    return print(value, kSingleDigits, true);
}

std::string printDouble(double value) {
    return print(value, kDoubleDigits, false);
}

std::string printInteger(long value) {
    return numberInText(value) + " ";
}

std::string numberInText(long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

}  // namespace common
