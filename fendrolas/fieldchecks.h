#pragma once

#include <string>
#include <vector>

#include "common/fields.h"
#include "common/messages.h"
#include "common/numberfield.h"
#include "fendrolas/methods/frame.h"

namespace fendrolas {

// The main window's number fields with the captions the window shows beside them, in the order
// the user fills them. The water-table fields have their own checks (watertablefields.h).
const std::vector<common::NumberField>& mainWindowNumberFields();

// Whether every field of the main window holds a number the calculation can take; the first one
// that does not is shown and nothing is changed.
bool checkMainWindowFields(const common::FieldTexts& fields, common::MessageSink& messages);

// Whether the coefficient dialogs' texts are numbers, for the method that uses them.
bool checkCoefficients(int method, const CoefficientTexts& texts, common::MessageSink& messages);

// The names of every field a report or a drawing reads, to keep a copy of a calculation's data.
std::vector<std::string> everyFieldName();

}  // namespace fendrolas
