#include "grenvil/answers.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace grenvil {

namespace {

bool isDigit(char ch) {
    return std::isdigit(static_cast<unsigned char>(ch)) != 0;
}

std::string trimmed(const std::string& line) {
    const char* blanks = " \t\r\n";
    const auto first = line.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return {};
    }
    const auto last = line.find_last_not_of(blanks);
    return line.substr(first, last - first + 1);
}

// Moves pos past an optional sign and the digits that follow; returns how many digits.
std::size_t skipDigits(const std::string& text, std::size_t& pos) {
    std::size_t count = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++count;
    }
    return count;
}

void skipSign(const std::string& text, std::size_t& pos) {
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
}

}  // namespace

std::optional<float> parseReal(const std::string& line) {
    std::string text = trimmed(line);
    std::size_t pos = 0;
    skipSign(text, pos);
    std::size_t digits = skipDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += skipDigits(text, pos);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (pos < text.size() && std::string("EeDd").find(text[pos]) != std::string::npos) {
        text[pos] = 'E';
        ++pos;
        skipSign(text, pos);
        if (skipDigits(text, pos) == 0) {
            return std::nullopt;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    errno = 0;
    const float value = std::strtof(text.c_str(), nullptr);
    if (errno == ERANGE && std::fabs(value) > 1.0f) {
        return std::nullopt;  // beyond the largest single-precision number
    }
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parseInteger(const std::string& line) {
    const std::string text = trimmed(line);
    std::size_t pos = 0;
    skipSign(text, pos);
    if (skipDigits(text, pos) == 0 || pos != text.size()) {
        return std::nullopt;
    }
    errno = 0;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value > 2147483647L || value < -2147483647L - 1) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace grenvil
