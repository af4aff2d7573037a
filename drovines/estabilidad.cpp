#include "drovines/estabilidad.h"

#include <cmath>
#include <limits>
#include <string>

#include "drovines/hansen.h"

namespace drovines {

namespace {

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

WallLoads wallLoads(const StabilityInput& in) {
    const WallRecord& r = in.record;
    const Thrusts& t = in.thrusts;
    const double gm = r.gm;
    const double b1 = r.b1;
    const double H = r.H;
    const double xa = r.xa;
    const double xf = r.xf;
    const double B = r.B;

    // kv and kh are 0 outside the seismic method, and the factors below leave the weights
    // as they are.
    const double wf = 1 - r.kv;
    const double kh = r.kh;

    WallLoads l;
    l.cd = std::cos(in.d);
    l.sd = std::sin(in.d);

    l.W1 = xf * H * gm / 2 * wf;
    l.W2 = b1 * H * gm * wf;
    l.W3 = xa * H * gm / 2 * wf;
    l.Pm = b1 * H * gm + (H * (xa + xf) / 2) * gm;
    // The two triangles have their centroids at H/3, the rectangle at H/2.
    l.Hi = kh * (xf * H * gm / 2 + b1 * H * gm + xa * H * gm / 2);
    l.Mi = kh * ((xf * H * gm / 2) * H / 3 + (b1 * H * gm) * H / 2 + (xa * H * gm / 2) * H / 3);

    l.s = wedgeFor(in, t.h1);
    l.Wm = l.s.Wsub + l.s.Wh + l.s.Wsl;

    // The water thrust is horizontal whatever the direction of the soil thrust.
    l.Eah = (t.Ea - t.Ew) * l.cd + t.Ew;
    l.Eav = (t.Ea - t.Ew) * l.sd;

    l.Es = gw * r.hn * B / 2;

    // Lever arms about the toe. Those of Wr and Wt are the program's own, not the centroids.
    const double xw = l.s.xw;
    const double xn = l.s.xn;
    l.aW1 = 2 * xf / 3;
    l.aW2 = xf + b1 / 2;
    l.aW3 = xf + b1 + xa / 3;
    l.aSub = B - xn / 3;
    l.aWr = B - (xw - xn) / 3;
    l.aWt = B - xn / 2;
    l.aWsl = B - xw / 3;
    l.aQ = B - xw / 2;
    const double tanpsi = std::tan(r.psi);
    l.xE1 = B;
    l.xE2 = B;
    if (tanpsi != 0) {
        l.xE1 = B - t.y1 / tanpsi;
        l.xE2 = B - r.hn / (3 * tanpsi);
    }
    l.xEq = B - 0.5 * H * std::tan(r.alfa);

    // The Coulomb variant counts no wedge, nor the surcharge on it among the vertical loads.
    l.qw = r.q * xw * wf;
    l.Vq = in.variant == Variant::Coulomb ? 0 : l.qw;
    l.Ps = l.s.Wsub + l.s.Wr + l.s.Wt + l.s.Wsl + l.qw;

    // The seismic increment acts on the back face, inclined like the static thrust.
    l.HdP = in.seismic.dPae * l.cd;
    l.VdP = in.seismic.dPae * l.sd;
    l.xdP = B;
    if (tanpsi != 0) {
        l.xdP = B - in.seismic.ydPae / tanpsi;
    }
    return l;
}

Overturning overturning(const StabilityInput& in, const WallLoads& l) {
    const Thrusts& t = in.thrusts;
    const Wedge& s = l.s;
    Overturning o;
    o.M1 = t.E1 * l.cd * t.y1;
    o.M2 = t.E2 * l.cd * t.y2;
    o.Mw = t.Ew * t.yw;
    o.Mq = t.Eq * l.cd * t.yq;
    o.Ms = l.Es * 2 * in.record.B / 3;
    o.MdP = l.HdP * in.seismic.ydPae;
    o.Mi = l.Mi;
    o.MV = o.M1 + o.M2 + o.Mw + o.Mq + o.Ms + o.MdP + o.Mi;

    o.Mem = l.W1 * l.aW1 + l.W2 * l.aW2 + l.W3 * l.aW3;
    o.Msq = s.Wsub * l.aSub + s.Wr * l.aWr + s.Wt * l.aWt + s.Wsl * l.aWsl + l.qw * l.aQ;
    o.Me1 = t.E1 * l.sd * l.xE1;
    o.Me2 = t.E2 * l.sd * l.xE2;
    o.Meq = t.Eq * l.sd * l.xEq;
    // The horizontal water thrust overturns (Mw); it has no stabilising part.
    o.MedP = l.VdP * l.xdP;
    o.MEV = o.Mem + o.Msq + o.Me1 + o.Me2 + o.Meq + o.MedP;
    if (o.MV != 0) {
        o.fsm = o.MEV / o.MV;
    }
    return o;
}

Sliding horizontalForces(const StabilityInput& in, const WallLoads& l, Arithmetic& ar) {
    const Thrusts& t = in.thrusts;
    Sliding h;
    h.H1 = t.E1 * l.cd;
    h.H2 = t.E2 * l.cd;
    h.Hw = t.Ew;
    h.Hq = t.Eq * l.cd;
    h.FH = h.H1 + h.H2 + h.Hw + h.Hq + l.HdP + l.Hi;
    if (in.variant == Variant::Coulomb) {
        h.FH = static_cast<double>(ar.single(h.FH));
    }
    return h;
}

Bearing verticalLoads(const StabilityInput& in, const WallLoads& l, const Overturning& o,
                      Arithmetic& ar) {
    const Thrusts& t = in.thrusts;
    const Wedge& s = l.s;
    const double sd = l.sd;
    const double B = in.record.B;
    Bearing b;
    b.V1 = t.E1 * sd;
    b.V2 = t.E2 * sd;
    b.V3 = t.Eq * sd;
    b.N = l.W1 + l.W2 + l.W3 + s.Wsub + s.Wr + s.Wt + s.Wsl + t.E1 * sd + t.E2 * sd + t.Eq * sd +
          l.Vq + l.VdP;
    b.Nef = ar.finite(b.N - l.Es);

    // Every force about the centre of the base: the vertical loads that N counts, the thrusts
    // (their moments about the toe and the centre are the same, both lie on the base) and the
    // uplift, which acts at 2B/3 from the toe, B/6 behind the centre.
    const double half = B / 2;
    const double S = l.W1 * (l.aW1 - half) + l.W2 * (l.aW2 - half) + l.W3 * (l.aW3 - half) +
                     t.E1 * sd * (l.xE1 - half) + t.E2 * sd * (l.xE2 - half) +
                     t.Eq * sd * (l.xEq - half) + s.Wsub * (l.aSub - half) + s.Wr * (l.aWr - half) +
                     s.Wt * (l.aWt - half) + s.Wsl * (l.aWsl - half) + l.Vq * (l.aQ - half) +
                     l.VdP * (l.xdP - half);
    // The horizontal forces have the same moment about the centre as about the toe.
    b.Mc = ar.finite(std::fabs(S - (o.M1 + o.M2 + o.Mw + o.Mq + o.MdP + o.Mi) - l.Es * B / 6));
    if (b.Nef != 0) {
        b.ex = b.Mc / b.Nef;
    }
    return b;
}

void bearingCapacity(const StabilityInput& in, double FH, Bearing& b, common::MessageSink& messages,
                     Arithmetic& ar) {
    const WallRecord& r = in.record;
    b.Nu = Hansen(r.fi, r.co, in.soil.gh, r.B, b.Nef, FH, b.Mc, r.df, messages, ar);
    if (b.Nef != 0) {
        b.fsn = b.Nu / b.Nef;
    }
}

void slidingResistance(const StabilityInput& in, double Nef, Sliding& s) {
    const WallRecord& r = in.record;
    const double friction = r.delta2 == 0 ? 2 * std::tan(r.fi) / 3 : std::tan(r.delta2 * kPi / 180);
    s.Fdo = Nef * friction;
    if (s.FH != 0) {
        s.Fsd = s.Fdo / s.FH;
    }
}

void storeStability(const WallLoads& l, const Overturning& o, const Bearing& b, const Sliding& s,
                    Arithmetic& ar, Resultados& res) {
    res[idx::Pm] = ar.single(l.Pm);
    res[idx::Wm] = ar.single(l.Wm);
    res[idx::Eah] = ar.single(l.Eah);
    res[idx::Eav] = ar.single(l.Eav);
    res[idx::Es] = ar.single(l.Es);

    res[idx::M1] = ar.single(o.M1);
    res[idx::M2] = ar.single(o.M2);
    res[idx::Mw] = ar.single(o.Mw);
    res[idx::Mq] = ar.single(o.Mq);
    res[idx::Ms] = ar.single(o.Ms);
    res[idx::MV] = ar.single(o.MV);
    res[idx::Mem] = ar.single(o.Mem);
    res[idx::Msq] = ar.single(o.Msq);
    res[idx::Me1] = ar.single(o.Me1);
    res[idx::Me2] = ar.single(o.Me2);
    res[idx::Meq] = ar.single(o.Meq);
    res[idx::MEV] = ar.single(o.MEV);
    res[idx::fsm] = ar.single(o.fsm);

    res[idx::PmV] = ar.single(l.W1 + l.W2 + l.W3);
    res[idx::Ps] = ar.single(l.Ps);
    res[idx::V1] = ar.single(b.V1);
    res[idx::V2] = ar.single(b.V2);
    res[idx::V3] = ar.single(b.V3);
    res[idx::N] = ar.single(b.N);
    res[idx::Nef] = ar.single(b.Nef);
    res[idx::ex] = ar.single(b.ex);
    res[idx::Nu] = ar.single(b.Nu);
    res[idx::fsn] = ar.single(b.fsn);

    res[idx::H1] = ar.single(s.H1);
    res[idx::H2] = ar.single(s.H2);
    res[idx::Hw] = ar.single(s.Hw);
    res[idx::Hq] = ar.single(s.Hq);
    res[idx::FH] = ar.single(s.FH);
    res[idx::Fdo] = ar.single(s.Fdo);
    res[idx::Fsd] = ar.single(s.Fsd);

    res[idx::HdPae] = ar.single(l.HdP);
    res[idx::VdPae] = ar.single(l.VdP);
    res[idx::MdPae] = ar.single(o.MdP);
    res[idx::MedPae] = ar.single(o.MedP);
    res[idx::Hi] = ar.single(l.Hi);
    res[idx::Mi] = ar.single(o.Mi);
}

namespace {

const std::string kNoFactor = "No hay factor de seguridad ";

bool positive(double x) {
    return std::isfinite(x) && x > 0;
}

// The reason a factor is not a result, or nothing when it is one.
std::string overturningFault(const Overturning& o) {
    if (!positive(o.MV)) {
        return "el momento de vuelco no es positivo.";
    }
    if (!positive(o.MEV)) {
        return "el momento estabilizante no es positivo.";
    }
    return "";
}

std::string bearingFault(const WallRecord& r, const Bearing& b) {
    if (!positive(b.Nef)) {
        return "la carga vertical efectiva no es positiva.";
    }
    if (b.ex >= r.B / 2) {
        return "la carga sale de la base.";
    }
    if (!positive(b.Nu)) {
        return "la capacidad de carga no es positiva.";
    }
    return "";
}

std::string slidingFault(const Sliding& s) {
    if (!positive(s.FH)) {
        return "la fuerza horizontal no es positiva.";
    }
    if (!positive(s.Fdo)) {
        return "la fuerza que se opone al deslizamiento no es positiva.";
    }
    return "";
}

}  // namespace

bool refuseUnsoundFactors(const WallRecord& r, const Overturning& o, const Bearing& b,
                          const Sliding& s, common::MessageSink& messages, Resultados& res) {
    struct Check {
        int index;
        std::string name;
        std::string fault;
    };
    const Check checks[] = {
        {idx::fsm, "al vuelco", overturningFault(o)},
        {idx::fsn, "contra el hundimiento", bearingFault(r, b)},
        {idx::Fsd, "al deslizamiento", slidingFault(s)},
    };
    bool sound = true;
    for (const Check& c : checks) {
        const int index = c.index;
        if (!c.fault.empty() || !positive(res[index])) {
            const std::string why =
                c.fault.empty() ? "el factor no es un numero positivo." : c.fault;
            messages.show(kNoFactor + c.name + ": " + why, kProgramTitle,
                          common::MessageIcon::Warning);
            res[index] = std::numeric_limits<float>::quiet_NaN();
            sound = false;
        }
    }
    return sound;
}

void verifyStability(const StabilityInput& in, common::MessageSink& messages, Arithmetic& ar,
                     Resultados& res) {
    const WallLoads loads = wallLoads(in);
    const Overturning o = overturning(in, loads);
    Bearing b = verticalLoads(in, loads, o, ar);
    Sliding s = horizontalForces(in, loads, ar);
    storeStability(loads, o, b, s, ar, res);
    // The bearing capacity is sought only for loads that are numbers.
    if (ar.failed()) {
        return;
    }
    bearingCapacity(in, s.FH, b, messages, ar);
    slidingResistance(in, b.Nef, s);
    storeStability(loads, o, b, s, ar, res);
    if (!ar.failed()) {
        refuseUnsoundFactors(in.record, o, b, s, messages, res);
    }
}

}  // namespace drovines
