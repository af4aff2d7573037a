#pragma once

#include <string>
#include <vector>

#include "common/fields.h"
#include "common/messages.h"

namespace common {

// What a field may hold besides being a number.
enum class FieldRule {
    AnyNumber,     // loads, moments, coordinates
    NotNegative,   // sizes, depths, unit weights, cohesion
    Positive,      // a size the calculation divides by
    FrictionAngle  // 0 to 89 degrees
};

// A field the user types a number into, named by the caption beside it.
struct NumberField {
    std::string name;     // objectName, e.g. "Text6"
    std::string caption;  // as the window shows it, e.g. "Cohesion c"
    FieldRule rule = FieldRule::AnyNumber;
    bool emptyIsZero = false;  // load states and optional fields
};

// The text as a number: blanks ignored, the decimal comma read as the point ("2,5" is 2.5), the
// whole text one number. False for "abc", "2.5 m", "1e", "--3", "1,2.5" and the empty text.
bool numberText(const std::string& text, double& value);

// Why the field's text cannot be used (a message naming the caption), or "" when it can; the
// value is set when it can.
std::string refusalOf(const std::string& text, const NumberField& field, double& value);

// Reads the fields in order; the first refused one is shown under `title` and nothing more is
// read. The texts are left as typed.
bool checkNumberFields(const FieldTexts& fields, const std::vector<NumberField>& list,
                       MessageSink& messages, const std::string& title);

}  // namespace common
