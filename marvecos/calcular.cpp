#include "marvecos/calcular.h"

#include "marvecos/checks.h"
#include "marvecos/fieldchecks.h"

namespace marvecos {

MethodOutcome calcular(const common::FieldTexts& fields, const MethodButtons& buttons,
                       const SlopeFolders& folders, common::MessageSink& messages) {
    if (!checkSlopeFields(fields, messages)) {
        return {};
    }
    const SlopeProblem p = readSlopeInput(fields, buttons);
    if (!checkSlopeProblem(p, messages)) {
        return {};
    }
    switch (p.method) {
        case kBishop:
            return runSliceMethod(SliceMethod::Bishop, p, folders, messages);
        case kJanbu:
            return runSliceMethod(SliceMethod::Janbu, p, folders, messages);
        case kSpencer:
            return {};
        default:
            messages.show("Por favor seleccione un metodo de analisis.", kProgramTitle,
                          common::MessageIcon::None);
            return {};
    }
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
    switch (p.method) {
        case kBishop:
            return runSliceMethod(SliceMethod::Bishop, p, model, folders, messages);
        case kJanbu:
            return runSliceMethod(SliceMethod::Janbu, p, model, folders, messages);
        case kSpencer:
            return {};
        default:
            messages.show("Por favor seleccione un metodo de analisis.", kProgramTitle,
                          common::MessageIcon::None);
            return {};
    }
}

}  // namespace marvecos
