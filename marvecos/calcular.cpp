#include "marvecos/calcular.h"

#include <cstdio>

#include "marvecos/checks.h"
#include "marvecos/fieldchecks.h"
#include "marvecos/methods/modelreport.h"

namespace marvecos {

namespace {

MethodOutcome runChosenMethod(const SlopeProblem& p, const GroundModel& model,
                              const SlopeFolders& folders, common::MessageSink& messages) {
    switch (p.method) {
        case kBishop:
        case kJanbu:
            // The interslice forces of an earlier run are not this run's.
            std::remove(pathIn(folders.temp, kInterSliceFile).c_str());
            return runSliceMethod(p.method == kBishop ? SliceMethod::Bishop : SliceMethod::Janbu, p,
                                  model, folders, messages);
        case kSpencer:
        case kMorgensternPrice:
        case kOrdinary:
        case kJanbuCorrected:
            return runModelMethod(p, model, folders, messages);
        default:
            messages.show("Por favor seleccione un metodo de analisis.", kProgramTitle,
                          common::MessageIcon::None);
            return {};
    }
}

}  // namespace

MethodOutcome calcular(const common::FieldTexts& fields, const MethodButtons& buttons,
                       const SlopeFolders& folders, common::MessageSink& messages) {
    return calcular(fields, buttons, GroundModel{}, folders, messages);
}

MethodOutcome calcular(const common::FieldTexts& fields, const MethodButtons& buttons,
                       const GroundModel& model, const SlopeFolders& folders,
                       common::MessageSink& messages) {
    if (!checkSlopeFields(fields, messages)) {
        return {};
    }
    const SlopeProblem p = readSlopeInput(fields, buttons);
    if (!checkSlopeProblem(p, messages)) {
        return {};
    }
    const std::string fault = groundModelFault(model);
    if (!fault.empty()) {
        messages.show("El modelo del terreno no es valido (" + fault + ").", kProgramTitle,
                      common::MessageIcon::None);
        return {};
    }
    return runChosenMethod(p, model, folders, messages);
}

}  // namespace marvecos
