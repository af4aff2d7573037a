#include "drovines/thrust.h"

namespace drovines {

SoilWeights soilWeights(const WallRecord& r, Arithmetic& ar) {
    SoilWeights s;
    s.gh = r.gam * (1 + r.w);
    s.e = ar.quotient(gs - r.gam, r.gam);
    s.n = ar.quotient(s.e, 1 + s.e);
    s.gsat = r.gam + s.n * gw;
    s.gsub = s.gsat - gw;
    return s;
}

Thrusts activeThrusts(const WallRecord& r, const SoilWeights& soil, double ka, Arithmetic& ar,
                      Resultados& resultados) {
    resultados[idx::ka] = ar.single(ka);

    // The crack depth is reported only; the pressures below do not use it.
    if (soil.gh != 0) {
        resultados[idx::zo] = ar.single(2 * r.co / soil.gh);
    }

    Thrusts t;
    t.h1 = r.H - r.hn;
    const double hn = r.hn;
    const double h1 = t.h1;
    // Negative pressures near a shallow water table are kept: no cut-off at zero.
    if (ka >= 0) {
        t.S1 = ka * soil.gh * h1 - 2 * r.co * ar.root(ka);
        if (hn > 0) {
            t.S2 = ka * soil.gsub * hn - 2 * r.co * ar.root(ka);
        }
    }
    resultados[idx::S1] = ar.single(t.S1);
    resultados[idx::S2] = ar.single(t.S2);

    t.E1 = ar.finite(t.S1 * h1 / 2);
    t.E2 = ar.finite((t.S1 + t.S2) * hn / 2);
    t.Ew = ar.finite(gw * hn * hn / 2);
    t.Eq = ar.finite(r.q * ka * r.H);
    t.Ea = ar.finite(t.E1 + t.E2 + t.Ew + t.Eq);
    t.S3 = gw * hn;
    resultados[idx::E1] = ar.single(t.E1);
    resultados[idx::E2] = ar.single(t.E2);
    resultados[idx::Ew] = ar.single(t.Ew);
    resultados[idx::Eq] = ar.single(t.Eq);
    resultados[idx::Ea] = ar.single(t.Ea);
    resultados[idx::S3] = ar.single(t.S3);

    t.y1 = hn + h1 / 3;
    if (t.S1 + t.S2 != 0) {
        t.y2 = ar.quotient(hn * (2 * t.S1 + t.S2), 3 * (t.S1 + t.S2));
    }
    t.yw = hn / 3;
    t.yq = r.H / 2;
    return t;
}

}  // namespace drovines
