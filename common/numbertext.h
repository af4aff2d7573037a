#pragma once

#include <string>

namespace common {

// Text put into an entry field: shortest decimal text that reads back to the same value
// (at most 7 significant digits for single, 15 for double), "0.5", "-2.5", no blanks.
std::string displaySingle(float value);
std::string displayDouble(double value);

// Text of a number in a file or printer line: a blank (or "-"), the shortest decimal form
// without a "0" before the point (".25"), exponent form when the plain form cannot show the
// value ("1E+07"), and one trailing blank. printInteger(30) is " 30 ".
std::string printSingle(float value);
std::string printDouble(double value);
std::string printInteger(long value);

// printInteger without its trailing blank: how a number reads inside a message (" 4").
std::string numberInText(long value);

}  // namespace common
