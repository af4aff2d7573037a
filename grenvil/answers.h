#pragma once

#include <optional>
#include <string>

namespace grenvil {

// The answer to a prompt is one number on its line, blanks around it allowed. Anything else
// (an empty line, "1,5", "2 m", a number too large for the program) is no answer, so that a
// mistyped value is asked again instead of being read as something the user did not mean.
//
// Reals: optional sign, digits with an optional "." and an optional exponent "E" or "D".
std::optional<float> parseReal(const std::string& line);
// Integers: optional sign and digits.
std::optional<int> parseInteger(const std::string& line);

}  // namespace grenvil
