#pragma once

#include <string>

namespace grenvil {

// A number in a fixed-width console field, right-aligned. A number that does not fit (or is not
// a number at all) fills the field with asterisks, as a line printer would.
std::string fixedDecimal(float value, int width, int decimals);
std::string fixedInteger(long value, int width);

}  // namespace grenvil
