#include <cmath>

#include "common/fieldvalue.h"
#include "drovines/estabilidad.h"
#include "drovines/methods.h"

namespace drovines {

namespace {

const std::string kRankineError = "Sub Rankine: ERROR";

}  // namespace

std::optional<Resultados> Rankine(const WallRecord& r, const common::FieldTexts& fields,
                                  TickBoxes ticks, common::MessageSink& messages) {
    Arithmetic ar;
    Resultados res{};
    const double gm = common::fieldValue(fields.text(field::gm));
    const SoilWeights soil = soilWeights(r, ar);

    const double c2b = std::pow(std::cos(r.beta), 2);
    const double c2f = std::pow(std::cos(r.fi), 2);
    if (c2f > c2b) {
        messages.show("Hay un error con el angulo del talud, radicando negativo al calcular ka.",
                      kRankineError, common::MessageIcon::Critical);
        return std::nullopt;
    }
    const double rr = std::sqrt(c2b - c2f);
    const double cb = std::cos(r.beta);
    double ka = 0;
    if (cb + rr != 0) {
        ka = cb * (cb - rr) / (cb + rr);
    }

    const Thrusts thrusts = activeThrusts(r, soil, ka, ar, res);

    // Without the tick box the thrust runs parallel to the backfill surface.
    const double d = ticks.check2 ? r.delta + kPi / 2 - r.psi : r.beta;
    res[10] = ar.single(d * 180 / kPi);

    StabilityInput in{r,
                      soil,
                      thrusts,
                      d,
                      gm,
                      common::fieldValue(fields.text(field::df)),
                      ticks.check1,
                      Variant::Rankine};
    verifyStability(in, messages, ar, res);

    if (ar.failed()) {
        messages.show("Ocurrio un error inesperado, puede ser que un angulo sea el problema.",
                      kRankineError, common::MessageIcon::Critical);
        return std::nullopt;
    }
    return res;
}

}  // namespace drovines
