#pragma once

#include <string>
#include <vector>

#include "common/fields.h"
#include "common/messages.h"
#include "common/numberfield.h"
#include "drovines/wall.h"

namespace drovines {

// The wall's number fields with the captions the window shows beside them, in window order;
// kh and kv only for Mononobe-Okabe, the one method that reads them.
std::vector<common::NumberField> wallNumberFields(Method method);

// Whether every field holds a number the method can take; the first one that does not is shown
// and nothing is changed.
bool checkWallFields(const common::FieldTexts& fields, Method method,
                     common::MessageSink& messages);

// Every field of the window: what a report keeps of the data it describes.
std::vector<std::string> everyWallField();

}  // namespace drovines
