#include <cmath>

#include "drovines/activemethod.h"
#include "drovines/coulombka.h"
#include "drovines/methods.h"

namespace drovines {

namespace {

double squared(double x) {
    return x * x;
}

}  // namespace

std::optional<double> coulombKa(double psi, double fi, double delta, double beta, double theta,
                                Arithmetic& ar) {
    const double A = squared(std::sin(psi + fi - theta));
    const double Bc = std::cos(theta) * squared(std::sin(psi)) * std::sin(psi - theta - delta);
    const double radicand = ar.quotient(std::sin(fi + delta) * std::sin(fi - beta - theta),
                                        std::sin(psi - theta - delta) * std::sin(psi + beta));
    if (radicand < 0) {
        return std::nullopt;
    }
    const double rr = ar.power(radicand, 0.5);
    return ar.quotient(A, Bc * squared(1 + rr));
}

std::optional<Resultados> Coulomb(const WallRecord& r, common::MessageSink& messages) {
    const std::string errorTitle = "Sub Coulomb: ERROR";
    Arithmetic ar;
    const SoilWeights soil = soilWeights(r, ar);

    const auto ka = coulombKa(r.psi, r.fi, r.delta, r.beta, 0, ar);
    if (!ka) {
        // A backfill steeper than the friction angle has no Coulomb wedge.
        messages.show("Hay un error con el angulo del talud, radicando negativo al calcular ka.",
                      errorTitle, common::MessageIcon::Critical);
        return std::nullopt;
    }

    const double d = r.delta + kPi / 2 - r.psi;
    return activeMethod(r, soil, *ka, d, false, Variant::Coulomb, errorTitle, ar, messages);
}

}  // namespace drovines
