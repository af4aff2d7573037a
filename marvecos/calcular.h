#pragma once

#include <string>

#include "common/fields.h"
#include "common/messages.h"
#include "marvecos/folders.h"
#include "marvecos/methods/slicemethod.h"
#include "marvecos/problem.h"

namespace marvecos {

// The "Calcular" button up to (not including) the redraw: read the fields, check them, run
// the chosen method. Spencer computes nothing; no method asks for one.
MethodOutcome calcular(const common::FieldTexts& fields, const MethodButtons& buttons,
                       const SlopeFolders& folders, common::MessageSink& messages);

}  // namespace marvecos
