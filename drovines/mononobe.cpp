#include "drovines/mononobe.h"

#include <algorithm>
#include <cmath>

#include "drovines/activemethod.h"
#include "drovines/coulombka.h"
#include "drovines/methods.h"

namespace drovines {

namespace {

const std::string kMononobeError = "Sub Mononobe-Okabe: ERROR";

// Seed and Whitman's height of the seismic increment, as a fraction of H.
constexpr double kIncrementHeight = 0.6;

double degrees(double angle) {
    return angle * 180 / kPi;
}

void noRealSolution(common::MessageSink& messages) {
    messages.show(
        "El angulo sismico supera a fi - beta: la cuña de Mononobe-Okabe no tiene "
        "solucion. Reduzca kh o el talud.",
        kMononobeError, common::MessageIcon::Critical);
}

}  // namespace

double seismicAngle(double kh, double kv) {
    return std::atan(kh / (1 - kv));
}

double submergedSeismicAngle(double kh, double kv, double gsat, double gsub, Arithmetic& ar) {
    return std::atan(ar.quotient(gsat, gsub) * kh / (1 - kv));
}

std::optional<Resultados> MononobeOkabe(const WallRecord& r, common::MessageSink& messages) {
    Arithmetic ar;
    const SoilWeights soil = soilWeights(r, ar);

    const auto ka = coulombKa(r.psi, r.fi, r.delta, r.beta, 0, ar);
    const double theta = seismicAngle(r.kh, r.kv);
    double thetaSub = 0;
    if (r.hn > 0) {
        thetaSub = submergedSeismicAngle(r.kh, r.kv, soil.gsat, soil.gsub, ar);
    }
    const double steepest = r.hn > 0 ? std::max(theta, thetaSub) : theta;
    if (r.fi - r.beta - steepest < 0) {
        noRealSolution(messages);
        return std::nullopt;
    }
    const auto Kae = coulombKa(r.psi, r.fi, r.delta, r.beta, theta, ar);
    const auto KaeSub = coulombKa(r.psi, r.fi, r.delta, r.beta, thetaSub, ar);
    if (!ka || !Kae || !KaeSub) {
        noRealSolution(messages);
        return std::nullopt;
    }

    // The static thrusts as Coulomb computes them.
    Resultados res{};
    const Thrusts t = activeThrusts(r, soil, *ka, ar, res);
    const double d = r.delta + kPi / 2 - r.psi;
    res[idx::d] = ar.single(degrees(d));

    // Soil above the water table and the surcharge take K_AE; the submerged layer, loaded by
    // its own submerged weight and the soil above it, takes K_AE below the water table. The
    // increment is the seismic thrust less the static thrust of the same cohesionless loads.
    const double H = r.H;
    const double hn = r.hn;
    const double h1 = t.h1;
    const double above = soil.gh * h1 * h1 / 2 + r.q * H;
    const double below = soil.gh * h1 * hn + soil.gsub * hn * hn / 2;
    // Written term by term so that without an earthquake the increment is exactly 0.
    const double Pa = *ka * above + *ka * below;
    const double Pae = (1 - r.kv) * *Kae * above + (1 - r.kv) * *KaeSub * below;
    const double dPae = ar.finite(Pae - Pa);
    const double ydPae = kIncrementHeight * H;

    res[idx::theta] = ar.single(degrees(theta));
    res[idx::Kae] = ar.single(*Kae);
    res[idx::thetaSub] = ar.single(degrees(thetaSub));
    res[idx::KaeSub] = ar.single(hn > 0 ? *KaeSub : 0);
    res[idx::Pae] = ar.single(Pae);
    res[idx::dPae] = ar.single(dPae);
    res[idx::ydPae] = ar.single(ydPae);

    StabilityInput in{r, soil, t, d, false, Variant::Coulomb, {dPae, ydPae}};
    verifyStability(in, messages, ar, res);

    if (ar.failed()) {
        unexpectedError(kMononobeError, messages);
        return std::nullopt;
    }
    return res;
}

}  // namespace drovines
