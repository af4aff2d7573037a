#include "drovines/calcular.h"

#include <cmath>
#include <optional>

#include "drovines/fieldchecks.h"
#include "drovines/methods.h"
#include "drovines/readdata.h"

namespace drovines {

bool everyFactorIsAResult(const Resultados& res) {
    return !std::isnan(res[idx::fsm]) && !std::isnan(res[idx::fsn]) && !std::isnan(res[idx::Fsd]);
}

CalcOutcome calcular(common::FieldTexts& fields, Method method, TickBoxes ticks,
                     common::MessageSink& messages) {
    if (!checkWallFields(fields, method, messages)) {
        return {CalcStatus::Rejected, {}};
    }
    WallRecord record;
    if (readdata(fields, messages, record) == 1) {
        return {CalcStatus::Rejected, {}};
    }
    if (!wallCanBeComputed(record)) {
        return {CalcStatus::NothingToDo, {}};
    }
    std::optional<Resultados> resultados;
    if (method == Method::Rankine) {
        resultados = Rankine(record, ticks, messages);
    } else if (method == Method::Coulomb) {
        resultados = Coulomb(record, messages);
    } else if (method == Method::MononobeOkabe) {
        if (readSeismic(fields, messages, record) == 1) {
            return {CalcStatus::Rejected, {}};
        }
        resultados = MononobeOkabe(record, messages);
    } else {
        return {CalcStatus::NoMethod, {}};
    }
    if (!resultados) {
        return {CalcStatus::Failed, {}};
    }
    return {CalcStatus::Computed, *resultados};
}

}  // namespace drovines
