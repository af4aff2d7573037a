#pragma once

#include <vector>

#include "common/fields.h"
#include "common/messages.h"
#include "common/numberfield.h"

namespace marvecos {

// The slope's nine number fields with the captions the window shows beside them, in window
// order. Zeros the calculation cannot take keep their own messages; what is refused here is a
// text that is no number, a negative cohesion, unit weight, height or radius and a friction
// angle outside 0 to 89 degrees.
const std::vector<common::NumberField>& slopeNumberFields();

// Whether every field holds a number the calculation can take; the first one that does not is
// shown and nothing is changed.
bool checkSlopeFields(const common::FieldTexts& fields, common::MessageSink& messages);

// The first five of them, on the soil and the slope alone, for a search of the critical circle.
bool checkSoilAndSlopeFields(const common::FieldTexts& fields, common::MessageSink& messages);

// The same, asked without a word: whether the drawing may trust the fields.
bool slopeFieldsAccepted(const common::FieldTexts& fields);

}  // namespace marvecos
