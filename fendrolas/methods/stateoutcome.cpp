#include "fendrolas/methods/stateoutcome.h"

#include <cmath>
#include <limits>

#include "common/numbertext.h"

namespace fendrolas {

float tableValue(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::fabs(value) > kLargest) {
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

void setRow(MethodResults& table, int row, int state, double value) {
    table(row, state) = tableValue(value);
}

void setUltimate(MethodResults& table, int state, double V, double qu, double Nu) {
    const bool empty = V == 0;
    table(kRowQu, state) = empty ? 0 : tableValue(qu);
    table(kRowNu, state) = empty ? 0 : tableValue(Nu);
    table(kRowSafety, state) = empty ? kEmptyStateSafety : tableValue(Nu / V);
}

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

bool startMethodRun(MethodResults& table, int method, const BearingFactors& N,
                    common::MessageSink& messages) {
    table.method = method;
    table.Nc = N.Nc;
    table.Nq = N.Nq;
    table.Ngamma = N.Ngamma;
    if (!factorsInRange(N.Nc, N.Nq, N.Ngamma)) {
        refuseOutOfRangeFactors(table, messages);
        return false;
    }
    return true;
}

void clearStatesAfter(MethodResults& table, int state) {
    for (int later = state + 1; later <= kStates; ++later) {
        clearState(table, later);
    }
}

}  // namespace fendrolas
