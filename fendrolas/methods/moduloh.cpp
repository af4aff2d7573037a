#include "fendrolas/methods/moduloh.h"

#include <cmath>
#include <initializer_list>

#include "common/numbertext.h"
#include "fendrolas/methods/bearingfactors.h"
#include "fendrolas/methods/effectivebase.h"
#include "fendrolas/methods/stateoutcome.h"
#include "fendrolas/methods/watertable.h"

namespace fendrolas {

namespace {

BearingFactors hansenFactors(double phi) {
    BearingFactors N;
    N.Nq = sharedNq(phi);
    N.Nc = sharedNc(phi, N.Nq);
    N.Ngamma = 1.5 * (N.Nq - 1) * std::tan(phi);
    return N;
}

// Inclination factors in the directions of b' and l'. An empty state computes no new q and
// gamma factors and goes on with those of the state before it (0 before state 1); the zeros
// replaced by 1 stay replaced for the states that follow.
struct Inclination {
    double icb = 0, icL = 0, iqb = 0, iqL = 0, igb = 0, igL = 0;
};

// Base of an inclination power, 1 - k H/D. Without horizontal load there is no inclination
// whatever D holds.
double inclinationBase(double k, double H, double D) {
    return H == 0 ? 1 : 1 - k * H / D;
}

// New q and gamma factors of a loaded state. False when the horizontal load is beyond what the
// base can take: a negative base of a power (0.5 H or 0.7 H above D), or no resistance at all
// (D not positive). Such a power has no meaning, whatever its exponent. A base of exactly 0 (the
// load right at that limit) counts with them: its factor 0 would otherwise be replaced by 1 and
// the term would count in full.
bool loadedInclination(double D, const EffectiveBase& base, const HansenCoefficients& k,
                       Inclination& inc) {
    const bool horizontal = base.Hb != 0 || base.Hl != 0;
    if (horizontal && !(D > 0)) {
        return false;
    }
    const double qb = inclinationBase(0.5, base.Hb, D);
    const double qL = inclinationBase(0.5, base.Hl, D);
    const double gb = inclinationBase(0.7, base.Hb, D);
    const double gL = inclinationBase(0.7, base.Hl, D);
    if (qb <= 0 || qL <= 0 || gb <= 0 || gL <= 0) {
        return false;
    }
    inc.iqb = std::pow(qb, k.alfa1);
    inc.iqL = std::pow(qL, k.alfa1);
    inc.igb = std::pow(gb, k.alfa2);
    inc.igL = std::pow(gL, k.alfa2);
    return true;
}

// Frictionless soil: D = V + A' cc c cot(phi) grows without bound, so the q and gamma factors
// tend to 1 and ic = iq - (1 - iq)/(Nq - 1) tends to 1 - 0.5 alfa1 H / (A' cc c Nc). A load the
// adhesion cannot hold never gets here (slidesOnFrictionlessSoil).
void frictionlessInclination(const EffectiveBase& base, const HansenCoefficients& k, double c,
                             double Nc, Inclination& inc) {
    inc.iqb = inc.iqL = inc.igb = inc.igL = 1;
    inc.icb = inc.icL = 1;
    if (base.Hb == 0 && base.Hl == 0) {
        return;
    }
    const double adhesion = base.A * k.cc * c;
    inc.icb = 1 - 0.5 * k.alfa1 * base.Hb / (adhesion * Nc);
    inc.icL = 1 - 0.5 * k.alfa1 * base.Hl / (adhesion * Nc);
}

void replaceExactZeros(Inclination& inc) {
    for (double* factor : {&inc.icb, &inc.icL, &inc.iqb, &inc.iqL, &inc.igb, &inc.igL}) {
        if (*factor == 0) {
            *factor = 1;
        }
    }
}

double floorAt06(double s) {
    return s < 0.6 ? 0.6 : s;
}

struct Depth {
    double dcb = 0, dcL = 0, dqb = 0, dqL = 0;
};

Depth depthFactors(double phi, double df, double B, double L) {
    const double k = 2 * std::tan(phi) * std::pow(1 - std::sin(phi), 2);
    // The test looks at df/B only; both directions switch to the arctangent together.
    double rB = df / B;
    double rL = df / L;
    if (df / B > 1) {
        rB = std::atan(df / B);
        rL = std::atan(df / L);
    }
    Depth d;
    d.dcb = 1 + 0.4 * rB;
    d.dcL = 1 + 0.4 * rL;
    d.dqb = 1 + k * rB;
    d.dqL = 1 + k * rL;
    if (phi == 0) {
        // Brinch Hansen's own values for a frictionless soil; its qu does not use them.
        d.dcb = 0.4 * df / B;
        d.dcL = 0.4 * df / L;
    }
    return d;
}

// A state whose horizontal load the base cannot take has no result.
void refuseState(MethodResults& r, int i, common::MessageSink& messages) {
    messages.show("Inestabilidad en el metodo de Brinch Hansen para el estado " +
                      common::numberInText(i) + ". Factor negativo.",
                  "ERROR", common::MessageIcon::Critical);
    for (int row = kRowIcb; row <= kRowSafety; ++row) {
        if (row != kRowQ && row != kRowActing) {
            r(row, i) = 0;
        }
    }
}

void computeState(const MethodInput& in, int i, const HansenCoefficients& k,
                  const BearingFactors& N, Inclination& inc, MethodResults& r,
                  common::MessageSink& messages) {
    const double phi = in.phi;
    const double c = in.c;
    const double gamma = in.gamma;
    const double V = in.V[i];
    const EffectiveBase base = effectiveBase(in, i);
    const double bp = base.bp;
    const double lp = base.lp;
    writeEffectiveBase(base, r, i);
    setRow(r, kRowEx, i, base.ex);
    setRow(r, kRowEy, i, base.ey);

    const Depth d = depthFactors(phi, in.df, base.B, base.L);
    const double dg = 1;
    setRow(r, kRowDcb, i, d.dcb);
    setRow(r, kRowDcL, i, d.dcL);
    setRow(r, kRowDqb, i, d.dqb);
    setRow(r, kRowDqL, i, d.dqL);
    setRow(r, kRowDg, i, dg);

    // Each direction takes the unit weight of its own width: the wedge under l' reaches deeper
    // than the one under b', so water between df + b' and df + l' weakens the l' expression.
    const double q = overburden(gamma, in.df, in.water);
    const double gammaB = gammaTermUnitWeight(gamma, in.df, bp, in.water);
    const double gammaL = gammaTermUnitWeight(gamma, in.df, lp, in.water);
    setRow(r, kRowQ, i, q);
    r.water.gamma[i] = tableValue(gammaB);
    setRow(r, kRowActing, i, V / base.A);

    if (V != 0 && slidesOnFrictionlessSoil(base, phi, c, k.cc)) {
        refuseState(r, i, messages);
        return;
    }
    if (phi == 0) {
        if (V != 0) {
            frictionlessInclination(base, k, c, N.Nc, inc);
        }
    } else {
        if (V != 0) {
            Inclination next = inc;
            const double D = V + base.A * k.cc * c * (1 / std::tan(phi));
            if (!loadedInclination(D, base, k, next)) {
                refuseState(r, i, messages);
                return;
            }
            inc = next;
        }
        inc.icb = inc.iqb - (1 - inc.iqb) / (N.Nq - 1);
        inc.icL = inc.iqL - (1 - inc.iqL) / (N.Nq - 1);
    }
    replaceExactZeros(inc);
    setRow(r, kRowIcb, i, inc.icb);
    setRow(r, kRowIcL, i, inc.icL);
    setRow(r, kRowIqb, i, inc.iqb);
    setRow(r, kRowIqL, i, inc.iqL);
    setRow(r, kRowIgb, i, inc.igb);
    setRow(r, kRowIgL, i, inc.igL);

    const double sinPhi = std::sin(phi);
    const double scb = 1 + N.Nq * bp * inc.icb / (N.Nc * lp);
    const double scL = 1 + N.Nq * lp * inc.icL / (N.Nc * bp);
    const double sqb = 1 + bp * inc.iqb * sinPhi / lp;
    const double sqL = 1 + lp * inc.iqL * sinPhi / bp;
    const double sgb = floorAt06(1 - 0.4 * bp * inc.igb / (lp * inc.igL));
    const double sgL = floorAt06(1 - 0.4 * lp * inc.igL / (bp * inc.igb));
    setRow(r, kRowScb, i, scb);
    setRow(r, kRowScL, i, scL);
    setRow(r, kRowSqb, i, sqb);
    setRow(r, kRowSqL, i, sqL);
    setRow(r, kRowSgb, i, sgb);
    setRow(r, kRowSgL, i, sgL);

    const double qub = c * N.Nc * scb * d.dcb * inc.icb + q * N.Nq * sqb * d.dqb * inc.iqb +
                       0.5 * gammaB * bp * N.Ngamma * sgb * dg * inc.igb;
    const double quL = c * N.Nc * scL * d.dcL * inc.icL + q * N.Nq * sqL * d.dqL * inc.iqL +
                       0.5 * gammaL * lp * N.Ngamma * sgL * dg * inc.igL;
    setRow(r, kRowQub, i, qub);
    setRow(r, kRowQuL, i, quL);
    double qu = qub < quL ? qub : quL;
    if (phi == 0) {
        qu = 5.14 * c + q;
    }
    const double Nu = qu * bp * lp;
    setUltimate(r, i, V, qu, Nu);
}

}  // namespace

void computeHansen(const MethodInput& input, const HansenCoefficients& k, MethodResults& table,
                   common::MessageSink& messages) {
    const BearingFactors N = hansenFactors(input.phi);
    table.water = startWaterRecord(input);
    if (!startMethodRun(table, kBrinchHansen, N, messages)) {
        for (int row : {kRowHansenNq, kRowHansenNc, kRowHansenNgamma}) {
            table(row, kMethodColumn) = 0;
        }
        return;
    }
    setRow(table, kRowHansenNq, kMethodColumn, N.Nq);
    setRow(table, kRowHansenNc, kMethodColumn, N.Nc);
    setRow(table, kRowHansenNgamma, kMethodColumn, N.Ngamma);
    Inclination inc;
    for (int i = 1; i <= kStates; ++i) {
        computeState(input, i, k, N, inc, table, messages);
        keepStateIfFinite(table, i, messages);
    }
}

void metodohansen(const MethodInput& input, float alfa1, float alfa2, float cc,
                  CalculationContext& context) {
    MethodResults& table = context.tables.of(kBrinchHansen);
    computeHansen(input, HansenCoefficients{alfa1, alfa2, cc}, table, context.messages);
    runMethodFrame(table, input, FrameSteps{}, context);
}

}  // namespace fendrolas
