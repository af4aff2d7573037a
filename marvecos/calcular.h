#pragma once

#include <string>

#include "common/fields.h"
#include "common/messages.h"
#include "marvecos/folders.h"
#include "marvecos/problem.h"

namespace marvecos {

struct CalcularOutcome {
    bool computed = false;
    double fs = 0;
    std::string valueLabel;    // fs as "####0.000" for the label beside "Factor de seguridad"
    std::string resultsTitle;  // new title of the results window
};

// The "Calcular" button up to (not including) the redraw: read the fields, check them, run
// the chosen method. Spencer computes nothing; no method asks for one.
CalcularOutcome calcular(const common::FieldTexts& fields, const MethodButtons& buttons,
                         const SlopeFolders& folders, common::MessageSink& messages);

}  // namespace marvecos
