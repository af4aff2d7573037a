#include "fendrolas/methods/stateoutcome.h"

#include <cmath>

#include "common/numbertext.h"

namespace fendrolas {

void clearState(MethodResults& table, int state) {
    for (int row = 1; row <= kResultRows; ++row) {
        table(row, state) = 0;
    }
}

bool stateIsFinite(const MethodResults& table, int state) {
    for (int row = 1; row <= kResultRows; ++row) {
        if (!std::isfinite(table(row, state))) {
            return false;
        }
    }
    return true;
}

bool keepStateIfFinite(MethodResults& table, int state, common::MessageSink& messages) {
    if (stateIsFinite(table, state)) {
        return true;
    }
    messages.show("Los valores del estado " + common::numberInText(state) +
                      " exceden el rango de calculo. El estado queda sin resultado.",
                  "ERROR", common::MessageIcon::Critical);
    clearState(table, state);
    return false;
}

void refuseOutOfRangeFactors(MethodResults& table, common::MessageSink& messages) {
    messages.show(
        "El angulo de friccion es demasiado grande: los factores de capacidad de carga exceden "
        "el rango de calculo. Ningun estado tiene resultado.",
        "ERROR", common::MessageIcon::Critical);
    table.Nc = 0;
    table.Nq = 0;
    table.Ngamma = 0;
    for (int state = 1; state <= kStates; ++state) {
        clearState(table, state);
    }
}

}  // namespace fendrolas
