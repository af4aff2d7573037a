#include <cmath>

#include "common/fieldvalue.h"
#include "drovines/estabilidad.h"
#include "drovines/methods.h"

namespace drovines {

namespace {

const std::string kCoulombError = "Sub Coulomb: ERROR";

double squared(double x) {
    return x * x;
}

}  // namespace

std::optional<Resultados> Coulomb(const WallRecord& r, const common::FieldTexts& fields,
                                  common::MessageSink& messages) {
    Arithmetic ar;
    Resultados res{};
    const double gm = common::fieldValue(fields.text(field::gm));
    const SoilWeights soil = soilWeights(r, ar);

    const double psi = r.psi;
    const double fi = r.fi;
    const double delta = r.delta;
    const double beta = r.beta;
    const double A = squared(std::sin(psi + fi));
    const double Bc = squared(std::sin(psi)) * std::sin(psi - delta);
    const double radicand = ar.quotient(std::sin(fi + delta) * std::sin(fi - beta),
                                        std::sin(psi - delta) * std::sin(psi + beta));
    if (radicand < 0) {
        // A backfill steeper than the friction angle has no Coulomb wedge.
        messages.show("Hay un error con el angulo del talud, radicando negativo al calcular ka.",
                      kCoulombError, common::MessageIcon::Critical);
        return std::nullopt;
    }
    const double rr = ar.power(radicand, 0.5);
    const double ka = ar.quotient(A, Bc * squared(1 + rr));

    const Thrusts thrusts = activeThrusts(r, soil, ka, ar, res);

    const double d = delta + kPi / 2 - psi;
    res[10] = ar.single(d * 180 / kPi);

    StabilityInput in{r,       soil,
                      thrusts, d,
                      gm,      common::fieldValue(fields.text(field::df)),
                      false,   Variant::Coulomb};
    verifyStability(in, messages, ar, res);

    if (ar.failed()) {
        messages.show("Ocurrio un error inesperado, puede ser que un angulo sea el problema.",
                      kCoulombError, common::MessageIcon::Critical);
        return std::nullopt;
    }
    return res;
}

}  // namespace drovines
