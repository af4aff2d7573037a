#include "drovines/estabilidad.h"

#include <cmath>

#include "drovines/hansen.h"

namespace drovines {

namespace {

// Soil resting on the back face, between it and the vertical through the heel.
struct Wedge {
    double xw = 0, xn = 0, ys = 0;
    double Wsub = 0, Wh = 0, Wr = 0, Wt = 0, Wsl = 0;
};

Wedge wedgeOnBackFace(const WallRecord& r, const SoilWeights& soil, double h1) {
    Wedge s;
    s.xw = r.H * std::tan(kPi / 2 - r.psi);
    s.xn = r.hn * std::tan(kPi / 2 - r.psi);
    s.ys = s.xw * std::tan(r.beta);
    s.Wsub = (r.hn * s.xn / 2) * soil.gsub;
    s.Wh = h1 * (s.xw + s.xn) * 0.5 * soil.gh;
    s.Wr = s.xn * h1 * soil.gh;
    s.Wt = (s.xw - s.xn) * h1 * soil.gh / 2;
    s.Wsl = s.ys * s.xw * soil.gh / 2;
    return s;
}

Wedge wedgeFor(const StabilityInput& in, double h1) {
    const WallRecord& r = in.record;
    if (in.variant == Variant::Coulomb) {
        // Coulomb leaves the wedge out but keeps its widths, so the surcharge on it and the
        // water term still count in the moments.
        Wedge s = wedgeOnBackFace(r, in.soil, h1);
        return Wedge{s.xw, s.xn, s.ys, 0, 0, 0, 0, 0};
    }
    if (r.psi <= kPi / 2 && in.wedge) {
        return wedgeOnBackFace(r, in.soil, h1);
    }
    return Wedge{};
}

}  // namespace

void verifyStability(const StabilityInput& in, common::MessageSink& messages, Arithmetic& ar,
                     Resultados& res) {
    const WallRecord& r = in.record;
    const Thrusts& t = in.thrusts;
    const double gm = in.gm;
    const double b1 = r.b1;
    const double H = r.H;
    const double hn = r.hn;
    const double q = r.q;

    const double cd = std::cos(in.d);
    const double sd = std::sin(in.d);

    const double xa = H * std::tan(kPi / 2 - r.psi);
    const double xf = H * std::tan(r.alfa2);
    const double B = b1 + xa + xf;

    const double W1 = xf * H * gm / 2;
    const double W2 = b1 * H * gm;
    const double W3 = xa * H * gm / 2;
    const double Pm = b1 * H * gm + (H * (xa + xf) / 2) * gm;
    res[11] = ar.single(Pm);

    const Wedge s = wedgeFor(in, t.h1);
    const double xw = s.xw;
    const double xn = s.xn;
    const double Wm = s.Wsub + s.Wh + s.Wsl;
    res[12] = ar.single(Wm);

    // The water thrust is horizontal whatever the direction of the soil thrust.
    const double Eah = (t.Ea - t.Ew) * cd + t.Ew;
    const double Eav = (t.Ea - t.Ew) * sd;
    res[13] = ar.single(Eah);
    res[14] = ar.single(Eav);

    const double Es = gw * hn * B / 2;
    res[15] = ar.single(Es);

    const double M1 = t.E1 * cd * t.y1;
    const double M2 = t.E2 * cd * t.y2;
    const double Mw = t.Ew * t.yw;
    const double Mq = t.Eq * cd * t.yq;
    const double Ms = Es * 2 * B / 3;
    const double MV = M1 + M2 + Mw + Mq + Ms;
    res[16] = ar.single(M1);
    res[17] = ar.single(M2);
    res[18] = ar.single(Mw);
    res[19] = ar.single(Mq);
    res[20] = ar.single(Ms);
    res[21] = ar.single(MV);

    // Lever arms about the toe. Those of Wr and Wt are the program's own, not the centroids.
    const double aW1 = 2 * xf / 3;
    const double aW2 = xf + b1 / 2;
    const double aW3 = xf + b1 + xa / 3;
    const double aSub = B - xn / 3;
    const double aWr = B - (xw - xn) / 3;
    const double aWt = B - xn / 2;
    const double aWsl = B - xw / 3;
    const double aQ = B - xw / 2;
    const double tanpsi = std::tan(r.psi);
    double xE1 = B;
    double xE2 = B;
    if (tanpsi != 0) {
        xE1 = B - t.y1 / tanpsi;
        xE2 = B - hn / (3 * tanpsi);
    }
    const double xEq = B - 0.5 * H * std::tan(r.alfa);

    const double Mem = W1 * aW1 + W2 * aW2 + W3 * aW3;
    const double Msq = s.Wsub * aSub + s.Wr * aWr + s.Wt * aWt + s.Wsl * aWsl + q * xw * aQ;
    const double Me1 = t.E1 * sd * xE1;
    const double Me2 = t.E2 * sd * xE2;
    const double Meq = t.Eq * sd * xEq;
    res[22] = ar.single(Mem);
    res[23] = ar.single(Msq);
    res[24] = ar.single(Me1);
    res[25] = ar.single(Me2);
    res[26] = ar.single(Meq);

    // The horizontal water thrust overturns (Mw); it has no stabilising part.
    const double MEV = Mem + Msq + Me1 + Me2 + Meq;
    res[27] = ar.single(MEV);
    double fsm = 0;
    if (MV != 0) {
        fsm = MEV / MV;
    }
    res[28] = ar.single(fsm);

    // The Coulomb variant counts no wedge, nor the surcharge on it among the vertical loads.
    const double Vq = in.variant == Variant::Coulomb ? 0 : q * xw;
    const double N =
        W1 + W2 + W3 + s.Wsub + s.Wr + s.Wt + s.Wsl + t.E1 * sd + t.E2 * sd + t.Eq * sd + Vq;
    const double Nef = ar.finite(N - Es);

    // Every force about the centre of the base: the vertical loads that N counts, the thrusts
    // (their moments about the toe and the centre are the same, both lie on the base) and the
    // uplift, which acts at 2B/3 from the toe, B/6 behind the centre.
    const double half = B / 2;
    const double S = W1 * (aW1 - half) + W2 * (aW2 - half) + W3 * (aW3 - half) +
                     t.E1 * sd * (xE1 - half) + t.E2 * sd * (xE2 - half) +
                     t.Eq * sd * (xEq - half) + s.Wsub * (aSub - half) + s.Wr * (aWr - half) +
                     s.Wt * (aWt - half) + s.Wsl * (aWsl - half) + Vq * (aQ - half);
    const double Mc = ar.finite(std::fabs(S - (M1 + M2 + Mw + Mq) - Es * B / 6));
    double ex = 0;
    if (Nef != 0) {
        ex = Mc / Nef;
    }

    res[29] = ar.single(W1 + W2 + W3);
    res[30] = ar.single(s.Wsub + s.Wr + s.Wt + s.Wsl + q * xw);
    res[31] = ar.single(t.E1 * sd);
    res[32] = ar.single(t.E2 * sd);
    res[33] = ar.single(t.Eq * sd);
    res[34] = ar.single(N);
    res[35] = ar.single(Nef);
    res[36] = ar.single(ex);

    const double H1 = t.E1 * cd;
    const double H2 = t.E2 * cd;
    const double Hw = t.Ew;
    const double Hq = t.Eq * cd;
    double FH = H1 + H2 + Hw + Hq;
    if (in.variant == Variant::Coulomb) {
        FH = static_cast<double>(ar.single(FH));
    }
    res[39] = ar.single(H1);
    res[40] = ar.single(H2);
    res[41] = ar.single(Hw);
    res[42] = ar.single(Hq);
    res[43] = ar.single(FH);

    if (ar.failed()) {
        return;
    }
    const double Nu = Hansen(r.fi, r.co, in.soil.gh, B, Nef, FH, Mc, in.df, messages, ar);
    double fsn = 0;
    if (Nef != 0) {
        fsn = Nu / Nef;
    }
    res[37] = ar.single(Nu);
    res[38] = ar.single(fsn);

    const double friction = r.delta2 == 0 ? 2 * std::tan(r.fi) / 3 : std::tan(r.delta2 * kPi / 180);
    const double Fdo = Nef * friction;
    double Fsd = 0;
    if (FH != 0) {
        Fsd = Fdo / FH;
    }
    res[44] = ar.single(Fdo);
    res[45] = ar.single(Fsd);
}

}  // namespace drovines
