#include <cmath>

#include "drovines/activemethod.h"
#include "drovines/methods.h"

namespace drovines {

std::optional<Resultados> Rankine(const WallRecord& r, TickBoxes ticks,
                                  common::MessageSink& messages) {
    const std::string errorTitle = "Sub Rankine: ERROR";
    Arithmetic ar;
    const SoilWeights soil = soilWeights(r, ar);

    const double c2b = std::pow(std::cos(r.beta), 2);
    const double c2f = std::pow(std::cos(r.fi), 2);
    if (c2f > c2b) {
        messages.show("Hay un error con el angulo del talud, radicando negativo al calcular ka.",
                      errorTitle, common::MessageIcon::Critical);
        return std::nullopt;
    }
    const double rr = std::sqrt(c2b - c2f);
    const double cb = std::cos(r.beta);
    double ka = 0;
    if (cb + rr != 0) {
        ka = cb * (cb - rr) / (cb + rr);
    }

    // Without the tick box the thrust runs parallel to the backfill surface.
    const double d = ticks.check2 ? r.delta + kPi / 2 - r.psi : r.beta;
    return activeMethod(r, soil, ka, d, ticks.check1, Variant::Rankine, errorTitle, ar, messages);
}

}  // namespace drovines
