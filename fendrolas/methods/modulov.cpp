#include "fendrolas/methods/modulov.h"

#include <cmath>
#include <initializer_list>

#include "common/fieldvalue.h"
#include "common/numbertext.h"
#include "fendrolas/methods/bearingfactors.h"
#include "fendrolas/methods/effectivebase.h"
#include "fendrolas/methods/stateoutcome.h"
#include "fendrolas/methods/watertable.h"

namespace fendrolas {

namespace {

BearingFactors vesicFactors(double phi) {
    BearingFactors N;
    N.Nq = sharedNq(phi);
    N.Nc = sharedNc(phi, N.Nq);
    N.Ngamma = 2 * (N.Nq - 1) * std::tan(phi);
    return N;
}

// What an empty state does not recompute and takes from the state before it (0 before state
// 1); the zeros replaced by 1 stay replaced.
struct Carried {
    double m = 0, iq = 0, ig = 0, ic = 0;
};

// Exponent of the inclination factors for the direction of the horizontal load; with no
// horizontal load it is not recomputed.
void updateExponent(const EffectiveBase& base, Carried& carried) {
    const double BL = base.B / base.L;
    const double LB = base.L / base.B;
    const double mB = (2 + BL) / (1 + BL);
    const double mL = (2 + LB) / (1 + LB);
    if (base.Hb != 0 && base.Hl != 0) {
        carried.m = std::sqrt(mB * mB + mL * mL);
    } else if (base.Hb != 0) {
        carried.m = mB;
    } else if (base.Hl != 0) {
        carried.m = mL;
    }
}

// New iq and ig of a loaded state from t = 1 - H/D. False when the base of the powers would be
// negative, or when nothing (D not positive) holds the horizontal load.
bool loadedInclination(double phi, double c, double cc, double V, double H,
                       const EffectiveBase& base, Carried& carried) {
    double t = 1;
    if (H != 0) {
        const double adhesion = base.A * cc * c;
        // At phi = 0, D = V + A' cc c cot(phi) grows without bound and t tends to 1; a load the
        // adhesion cannot hold never gets here (slidesOnFrictionlessSoil).
        if (phi != 0) {
            const double D = V + adhesion * (1 / std::tan(phi));
            if (!(D > 0)) {
                return false;
            }
            t = 1 - H / D;
        }
    }
    if (t < 0) {
        return false;
    }
    carried.iq = std::pow(t, carried.m);
    carried.ig = std::pow(t, carried.m + 1);
    return true;
}

void updateIc(double phi, double c, double cc, double H, const EffectiveBase& base,
              const BearingFactors& N, Carried& carried) {
    if (c == 0) {
        return;
    }
    if (phi > 0) {
        carried.ic = carried.iq - (1 - carried.iq) / (N.Nq - 1);
    } else if (phi == 0) {
        // The limit of the formula above as phi goes to 0.
        const double adhesion = base.A * cc * c;
        if (H == 0) {
            carried.ic = 1;
        } else if (adhesion > 0) {
            carried.ic = 1 - carried.m * H / (adhesion * N.Nc);
        }
    }
}

void refuseFailingState(MethodResults& r, int i, common::MessageSink& messages) {
    messages.show("Inestabilidad en el metodo de Vesic para el estado " + common::numberInText(i) +
                      ". Factor negativo.",
                  "ERROR", common::MessageIcon::Critical);
    for (int row = kRowIc; row <= kRowSafety; ++row) {
        if (row != kRowQ && row != kRowActing) {
            r(row, i) = 0;
        }
    }
}

// False when the state failed.
bool computeState(const MethodInput& in, int i, double cc, const BearingFactors& N,
                  Carried& carried, MethodResults& r, common::MessageSink& messages) {
    const double phi = in.phi;
    const double c = in.c;
    const double gamma = in.gamma;
    const double V = in.V[i];
    const EffectiveBase base = effectiveBase(in, i);
    const double bp = base.bp;
    const double lp = base.lp;
    writeEffectiveBase(base, r, i);
    for (int row : {kRowDcL, kRowDqL, kRowIcL, kRowIqL, kRowIgL, kRowScL, kRowSqL, kRowSgL, kRowQub,
                    kRowQuL}) {
        r(row, i) = 0;
    }

    // At phi = 0 dq is 1 by the formula; dc keeps its form 1 + 0.4 df/B, as the equation
    // multiplies the cohesion term by it.
    const double B = base.B;
    const double ratio = in.df / B <= 1 ? in.df / B : std::atan(in.df / B);
    const double dc = 1 + 0.4 * ratio;
    const double dq = 1 + 2 * std::tan(phi) * std::pow(1 - std::sin(phi), 2) * ratio;
    const double dg = 1;
    setRow(r, kRowDc, i, dc);
    setRow(r, kRowDq, i, dq);
    setRow(r, kRowDg, i, dg);

    updateExponent(base, carried);
    setRow(r, kRowM, i, carried.m);

    const double q = overburden(gamma, in.df, in.water);
    const double gammaB = gammaTermUnitWeight(gamma, in.df, bp, in.water);
    setRow(r, kRowQ, i, q);
    r.water.gamma[i] = tableValue(gammaB);
    setRow(r, kRowActing, i, V / base.A);

    const double H = std::sqrt(base.Hb * base.Hb + base.Hl * base.Hl);
    if (V != 0) {
        Carried next = carried;
        if (slidesOnFrictionlessSoil(base, phi, c, cc) ||
            !loadedInclination(phi, c, cc, V, H, base, next)) {
            refuseFailingState(r, i, messages);
            return false;
        }
        carried = next;
    }
    updateIc(phi, c, cc, H, base, N, carried);
    if (carried.ic == 0) {
        carried.ic = 1;
    }
    if (carried.iq == 0) {
        carried.iq = 1;
    }
    setRow(r, kRowIc, i, carried.ic);
    setRow(r, kRowIq, i, carried.iq);
    setRow(r, kRowIg, i, carried.ig);

    const double sc = 1 + N.Nq * bp / (N.Nc * lp);
    const double sq = 1 + (bp / lp) * std::tan(phi);
    double sg = 1 - 0.4 * bp / lp;
    if (sg < 0.6) {
        sg = 0.6;
    }
    setRow(r, kRowSc, i, sc);
    setRow(r, kRowSq, i, sq);
    setRow(r, kRowSg, i, sg);

    const double qu = c * N.Nc * sc * dc * carried.ic + q * N.Nq * sq * dq * carried.iq +
                      0.5 * gammaB * bp * N.Ngamma * sg * dg * carried.ig;
    const double Nu = qu * bp * lp;
    setUltimate(r, i, V, qu, Nu);
    return true;
}

}  // namespace

bool computeVesic(const MethodInput& input, float cc, MethodResults& table,
                  common::MessageSink& messages) {
    const BearingFactors N = vesicFactors(input.phi);
    table.water = startWaterRecord(input);
    if (!startMethodRun(table, kVesic, N, messages)) {
        return true;
    }
    Carried carried;
    for (int i = 1; i <= kStates; ++i) {
        if (!computeState(input, i, cc, N, carried, table, messages)) {
            clearStatesAfter(table, i);
            return false;
        }
        keepStateIfFinite(table, i, messages);
    }
    return true;
}

void metodovesic(const MethodInput& input, CalculationContext& context) {
    const float cc = common::toSingle(common::fieldValue(context.coefficients.vesicCc));
    MethodResults& table = context.tables.of(kVesic);
    FrameSteps steps;
    steps.checkNegatives = computeVesic(input, cc, table, context.messages);
    runMethodFrame(table, input, steps, context);
}

}  // namespace fendrolas
