#include "fendrolas/methods/moduloc.h"

#include <cmath>
#include <initializer_list>

#include "common/numbertext.h"
#include "fendrolas/methods/bearingfactors.h"
#include "fendrolas/methods/effectivebase.h"
#include "fendrolas/methods/stateoutcome.h"
#include "fendrolas/methods/watertable.h"

namespace fendrolas {

namespace {

BearingFactors ccsrFactors(double phi) {
    BearingFactors N;
    N.Nq = sharedNq(phi);
    N.Nc = sharedNc(phi, N.Nq);
    N.Ngamma = 1.8 * (N.Nq - 1) * std::tan(phi);
    return N;
}

void refuseFailingState(MethodResults& r, int i, common::MessageSink& messages) {
    messages.show(
        "Inestabilidad en el metodo del CCSR 87 para el estado " + common::numberInText(i) + ".",
        "Error", common::MessageIcon::Critical);
    for (int row : {kRowIc, kRowIq, kRowIg, kRowQu, kRowNu, kRowSafety}) {
        r(row, i) = 0;
    }
}

// The tangent of the load's inclination survives from state to state: an empty state keeps
// that of the state before it (0 before state 1).
bool computeState(const MethodInput& in, int i, const BearingFactors& N, double& t,
                  MethodResults& r, common::MessageSink& messages) {
    const double phi = in.phi;
    const double c = in.c;
    const double gamma = in.gamma;
    const double df = in.df;
    const double V = in.V[i];
    // Only the effective sides matter here, not their directions.
    const EffectiveBase base = effectiveBase(in, i);
    const double bp = base.bp;
    const double lp = base.lp;
    writeEffectiveBase(base, r, i);
    for (int row : {kRowDcL, kRowDqL, kRowIcL, kRowIqL, kRowIgL, kRowScL, kRowSqL, kRowSgL}) {
        r(row, i) = 0;
    }

    const double tanPhi = std::tan(phi);
    const double k = 0.2 + std::pow(tanPhi, 6);
    const double sc = 1 + k * bp / lp;
    const double sq = sc - (sc - 1) / N.Nq;
    const double sg = 1 - 0.5 * k * bp / lp;
    setRow(r, kRowSc, i, sc);
    setRow(r, kRowSq, i, sq);
    setRow(r, kRowSg, i, sg);

    double dc = 1;
    if (df != 0) {
        dc = 1 + 0.35 / (bp / df + 0.6 / (1 + 7 * std::pow(tanPhi, 4)));
    }
    const double dq = dc - (dc - 1) / N.Nq;
    const double dg = 1;
    setRow(r, kRowDc, i, dc);
    setRow(r, kRowDq, i, dq);
    setRow(r, kRowDg, i, dg);
    setRow(r, kRowActing, i, V / base.A);

    const double H = std::sqrt(double(in.Qx[i]) * in.Qx[i] + double(in.Qy[i]) * in.Qy[i]);
    if (V != 0) {
        t = H / V;
    }
    CcsrInclination inc;
    if (!ccsrInclination(phi, t, N.Nq, inc)) {
        refuseFailingState(r, i, messages);
        return false;
    }
    setRow(r, kRowIc, i, inc.ic);
    setRow(r, kRowIq, i, inc.iq);
    setRow(r, kRowIg, i, inc.ig);

    const double q = overburden(gamma, df, in.water);
    const double gammaB = gammaTermUnitWeight(gamma, df, bp, in.water);
    r.water.gamma[i] = tableValue(gammaB);
    const double qu = 0.5 * gammaB * bp * N.Ngamma * sg * dg * inc.ig +
                      c * N.Nc * sc * dc * inc.ic + q * N.Nq * sq * dq * inc.iq;
    const double Nu = qu * bp * lp;
    setUltimate(r, i, V, qu, Nu);
    return true;
}

}  // namespace

bool ccsrInclination(double phi, double t, double Nq, CcsrInclination& factors) {
    if (phi == 0) {
        // The limit as phi goes to 0: (t cot phi)^2 grows without bound for any inclined load,
        // which then fails; a vertical load keeps all three factors at 1.
        factors = CcsrInclination{};
        return t == 0;
    }
    const double tc = t * (1 / std::tan(phi));
    if (1 - tc * tc < 0) {
        return false;
    }
    const double sinPhi = std::sin(phi);
    const double u = std::sqrt(1 - tc * tc) - t;
    const double v = 1 + t / sinPhi;
    const double omega = phi / 2 + std::atan(u / v);
    factors.iq = (1 + sinPhi * std::sin(2 * omega - phi)) / (1 + sinPhi) *
                 std::pow(kE, -(kPi / 2 + phi - 2 * omega) * std::tan(phi));
    factors.ic = factors.iq - (1 - factors.iq) / (Nq - 1);
    factors.ig = factors.iq * factors.iq;
    return true;
}

bool computeCcsr(const MethodInput& input, MethodResults& table, common::MessageSink& messages) {
    const BearingFactors N = ccsrFactors(input.phi);
    table.water = startWaterRecord(input);
    if (!startMethodRun(table, kCcsr, N, messages)) {
        return true;
    }
    double t = 0;
    for (int i = 1; i <= kStates; ++i) {
        if (!computeState(input, i, N, t, table, messages)) {
            clearStatesAfter(table, i);
            return false;
        }
        keepStateIfFinite(table, i, messages);
    }
    return true;
}

void metodoccsr(const MethodInput& input, CalculationContext& context) {
    MethodResults& table = context.tables.of(kCcsr);
    FrameSteps steps;
    steps.checkNegatives = computeCcsr(input, table, context.messages);
    steps.fileBeforePartialResults = true;
    runMethodFrame(table, input, steps, context);
}

}  // namespace fendrolas
