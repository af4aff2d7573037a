#pragma once

#include <string>

namespace common {

// Number written through a pattern such as "####0.000", "##0", "###" or "####0.000 kN/m2".
// "0" places a digit always, "#" only when significant; the places after "." fix the decimals,
// rounded half away from zero; "-" stands before negatives; characters of the pattern that are
// not part of the number are copied around it. A pattern of "#" only writes 0 as "".
std::string formatPattern(double value, const std::string& pattern);

}  // namespace common
