#pragma once

#include <string>

#include "common/fields.h"
#include "common/messages.h"
#include "drovines/wall.h"

namespace drovines {

// What a data file brought in. method is the choice of line 13 (1 Rankine, 2 Coulomb,
// 3 Mononobe-Okabe); Method::None when that line holds anything else, which leaves the
// window's selection as it was.
struct DataFileLoad {
    bool loaded = false;
    Method method = Method::None;
};

// Loads the fifteen values of a data file into the fields, and kh and kv from lines 16 and 17
// (0 when the file stops at fifteen). The fields change only when all
// fifteen were read; a file that cannot be opened or ends early is reported and changes nothing.
// An empty name (a cancelled dialog) reads nothing and says nothing.
DataFileLoad leerdatos(const std::string& fileName, common::FieldTexts& fields,
                       common::MessageSink& messages);

// Writes the fields and the method code as a data file, one value per line; a Mononobe-Okabe
// problem adds kh and kv. Returns false,
// after reporting it, when the file could not be written; an existing file is then untouched.
// An empty name (a cancelled dialog) writes nothing and says nothing.
bool Guardard(const std::string& fileName, const common::FieldTexts& fields, Method method,
              common::MessageSink& messages);

// The text of a data file for these fields and method code.
std::string dataFileText(const common::FieldTexts& fields, Method method);

}  // namespace drovines
