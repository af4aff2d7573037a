#pragma once

#include "common/fields.h"
#include "common/messages.h"
#include "drovines/wall.h"

namespace drovines {

// Reads and checks the entry fields in the program's fixed order and converts them into the
// record the methods use. A failed check shows its message, rewrites the offending field(s)
// and returns 1 (the calculation must not run); otherwise returns 0. A water table below the
// base is only a notice: hn becomes 0 and the validation goes on.
int readdata(common::FieldTexts& fields, common::MessageSink& messages, WallRecord& record);

// The seismic coefficients kh and kv of Mononobe-Okabe, checked the same way: kh may not be
// negative and kv must stay below 1.
int readSeismic(common::FieldTexts& fields, common::MessageSink& messages, WallRecord& record);

}  // namespace drovines
