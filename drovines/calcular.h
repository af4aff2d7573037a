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
    NoMethod,     // no method chosen
    Failed,       // the method stopped with its error message
};

// What the window says when "Calcular" computes nothing without a message of its own.
inline const char* const kNothingToDoMessage =
    "No se calcula: gam, b1, H y B deben ser distintos de 0.";
inline const char* const kNoMethodMessage = "Por favor seleccione un metodo de calculo.";

struct CalcOutcome {
    CalcStatus status = CalcStatus::NothingToDo;
    Resultados resultados{};
};

// True when every factor of safety in the vector is a result (none was refused).
bool everyFactorIsAResult(const Resultados& resultados);

// The "Calcular" command: validate the fields, then run the chosen method.
CalcOutcome calcular(common::FieldTexts& fields, Method method, TickBoxes ticks,
                     common::MessageSink& messages);

}  // namespace drovines
