#include "drovines/activemethod.h"

namespace drovines {

void unexpectedError(const std::string& errorTitle, common::MessageSink& messages) {
    messages.show("Ocurrio un error inesperado, puede ser que un angulo sea el problema.",
                  errorTitle, common::MessageIcon::Critical);
}

std::optional<Resultados> activeMethod(const WallRecord& r, const SoilWeights& soil, double ka,
                                       double d, bool wedge, Variant variant,
                                       const std::string& errorTitle, Arithmetic& ar,
                                       common::MessageSink& messages) {
    Resultados res{};
    const Thrusts thrusts = activeThrusts(r, soil, ka, ar, res);
    res[idx::d] = ar.single(d * 180 / kPi);

    const StabilityInput in{r, soil, thrusts, d, wedge, variant, {}};
    verifyStability(in, messages, ar, res);

    if (ar.failed()) {
        unexpectedError(errorTitle, messages);
        return std::nullopt;
    }
    return res;
}

}  // namespace drovines
