#pragma once

#include <string>

namespace common {

// Number in an entry field: leading blanks skipped, blanks inside the number ignored, optional
// sign, digits with "." as point (or "," when the text has no "."), optional exponent introduced
// by E or D. Reading stops at the first other character; a text that does not begin with a
// number gives 0 ("2.5 m" -> 2.5, "1,5" -> 1.5, "abc" -> 0): windows refuse such texts first
// (common/numberfield.h). The point is the same whatever the regional settings.
double fieldValue(const std::string& text);

// True when the whole token is one number in the form fieldValue reads (no other characters).
bool parseNumberToken(const std::string& token, double& value);

// Stores a double in single precision; values beyond the single range stay finite (the largest
// single value) instead of turning into infinity.
float toSingle(double value);

}  // namespace common
