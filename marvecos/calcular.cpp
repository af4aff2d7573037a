#include "marvecos/calcular.h"

#include "common/patterntext.h"
#include "marvecos/checks.h"
#include "marvecos/slopemethods.h"

namespace marvecos {

CalcularOutcome calcular(const common::FieldTexts& fields, const MethodButtons& buttons,
                         const SlopeFolders& folders, common::MessageSink& messages) {
    CalcularOutcome outcome;
    const SlopeProblem p = readSlopeInput(fields, buttons);
    if (!checkSlopeProblem(p, messages)) {
        return outcome;
    }
    MethodOutcome run;
    switch (p.method) {
        case kBishop:
            run = runBishop(p, folders, messages);
            break;
        case kJanbu:
            run = runJanbu(p, folders, messages);
            break;
        case kSpencer:
            return outcome;
        default:
            messages.show("Por favor seleccione un metodo de analisis.", kProgramTitle,
                          common::MessageIcon::None);
            return outcome;
    }
    if (run.computed) {
        outcome.computed = true;
        outcome.fs = run.fs;
        outcome.valueLabel = common::formatPattern(run.fs, "####0.000");
        outcome.resultsTitle = run.resultsTitle;
    }
    return outcome;
}

}  // namespace marvecos
