#pragma once

#include "common/fields.h"
#include "common/messages.h"
#include "drovines/resultados.h"
#include "drovines/wall.h"

namespace drovines {

enum class CalcStatus {
    Computed,     // the method ran; resultados holds its figures
    Rejected,     // a validation check failed (its message was shown)
    NothingToDo,  // gam, b1, H or B is 0: the command ends without a word
    NoMethod,     // no runnable method chosen (none, or Mononobe-Okabe)
    Failed,       // the method stopped with its error message
};

struct CalcOutcome {
    CalcStatus status = CalcStatus::NothingToDo;
    Resultados resultados{};
};

// The "Calcular" command: validate the fields, then run the chosen method.
CalcOutcome calcular(common::FieldTexts& fields, Method method, TickBoxes ticks,
                     common::MessageSink& messages);

}  // namespace drovines
