#pragma once

#include <string>

#include "common/fields.h"
#include "common/messages.h"
#include "marvecos/folders.h"
#include "marvecos/methods/slicemethod.h"
#include "marvecos/model/groundmodel.h"
#include "marvecos/problem.h"

namespace marvecos {

// The "Calcular" button up to (not including) the redraw: read the fields, check them, run
// the chosen method. Spencer computes nothing; no method asks for one.
MethodOutcome calcular(const common::FieldTexts& fields, const MethodButtons& buttons,
                       const SlopeFolders& folders, common::MessageSink& messages);

// The same on the ground model below the fields' soil (layers, water, loads, kh). A model that
// uses none of its inputs gives exactly what the fields alone give, files included.
MethodOutcome calcular(const common::FieldTexts& fields, const MethodButtons& buttons,
                       const GroundModel& model, const SlopeFolders& folders,
                       common::MessageSink& messages);

}  // namespace marvecos
