#include "fendrolas/methods/modulom.h"

#include <cmath>
#include <initializer_list>

#include "common/numbertext.h"
#include "fendrolas/methods/bearingfactors.h"
#include "fendrolas/methods/stateoutcome.h"
#include "fendrolas/methods/watertable.h"

namespace fendrolas {

namespace {

// Factor of one eccentricity ratio: 1 - sqrt(r) below 0.5; at 0.5 or more the load leaves the
// kern the method admits and the factor is 0.
double eccentricityFactor(double r, const std::string& message, int i,
                          common::MessageSink& messages) {
    if (r < 0.5) {
        return 1 - std::sqrt(r);
    }
    messages.show(message + common::numberInText(i), "", common::MessageIcon::None);
    return 0;
}

struct MeyerhofFactors : BearingFactors {
    double Kp = 0;
};

MeyerhofFactors meyerhofFactors(double phi) {
    MeyerhofFactors N;
    N.Nq = sharedNq(phi);
    N.Nc = sharedNc(phi, N.Nq);
    N.Ngamma = (N.Nq - 1) * std::tan(1.4 * phi);
    const double t = std::tan(kPi / 4 + phi / 2);
    N.Kp = t * t;
    return N;
}

// Inclination of the resultant from the vertical. It survives from state to state: an empty
// state keeps the angle of the state before it.
struct Carried {
    double theta = 0;
};

void computeState(const MethodInput& in, int i, const MeyerhofFactors& N, Carried& carried,
                  MethodResults& r, common::MessageSink& messages) {
    const double phi = in.phi;
    const double V = in.V[i];
    const EffectiveBase base = effectiveBase(in, i);
    writeEffectiveBase(base, r, i);

    const double Re = reductionFactor(base, in, i, messages);

    const double B = base.B;
    const double L = base.L;
    const double df = in.df;
    const double dc = 1 + 0.2 * std::sqrt(N.Kp) * df / B;
    double dq = 1 + 0.1 * std::sqrt(N.Kp) * df / B;
    if (phi == 0) {
        dq = 1;
    }
    const double dg = dq;

    const double H = std::sqrt(base.Hb * base.Hb + base.Hl * base.Hl);
    if (V != 0) {
        carried.theta = std::atan(H / V);
    }
    const double theta = carried.theta;
    const double ic = std::pow(1 - theta / (kPi / 2), 2);
    const double iq = ic;
    double ig;
    if (phi == 0) {
        // theta/phi is undefined; a vertical load leaves the gamma term whole (and Ngamma is 0).
        ig = theta > 0 ? 0 : 1;
    } else {
        ig = std::pow(1 - theta / phi, 2);
    }
    // Past the angle of friction the square would grow again and a more inclined load would
    // carry more; the gamma term carries nothing there, as at phi = 0.
    if (phi > 0 && theta > phi) {
        ig = 0;
    }

    const double sc = 1 + 0.2 * N.Kp * B / L;
    double sq = 1 + 0.1 * N.Kp * B / L;
    if (phi == 0) {
        sq = 1;
    }
    const double sg = sq;

    const double c = in.c;
    const double gamma = in.gamma;
    const double q = overburden(gamma, df, in.water);
    const double bp = base.bp;
    const double gammaB = gammaTermUnitWeight(gamma, df, bp, in.water);
    double qu;
    if (base.Hb == 0 && base.Hl == 0) {
        qu = c * N.Nc * sc * dc + q * N.Nq * sq * dq + 0.5 * gammaB * bp * N.Ngamma * sg * dg;
    } else {
        qu = c * N.Nc * dc * ic + q * N.Nq * dq * iq + 0.5 * gammaB * bp * N.Ngamma * dg * ig;
    }
    const double qr = qu * Re;
    const double Nu = qr * bp * base.lp;

    r(kRowDc, i) = tableValue(dc);
    r(kRowDq, i) = tableValue(dq);
    r(kRowDg, i) = tableValue(dg);
    r(kRowIc, i) = tableValue(ic);
    r(kRowIq, i) = tableValue(iq);
    r(kRowIg, i) = tableValue(ig);
    r(kRowSc, i) = tableValue(sc);
    r(kRowSq, i) = tableValue(sq);
    r(kRowSg, i) = tableValue(sg);
    for (int row : {kRowDcL, kRowDqL, kRowIcL, kRowIqL, kRowIgL, kRowScL, kRowSqL, kRowSgL, kRowQub,
                    kRowQuL}) {
        r(row, i) = 0;
    }
    r(kRowQ, i) = tableValue(q);
    r.water.gamma[i] = tableValue(gammaB);
    r(kRowActing, i) = tableValue(V / base.A);
    setUltimate(r, i, V, qr, Nu);
}

}  // namespace

double reductionFactor(const EffectiveBase& base, const MethodInput& input, int i,
                       common::MessageSink& messages) {
    // ey goes with Lx and ex with Ly whichever side is b'; only the names in the messages follow
    // the direction of b'.
    const double r1 = base.ey / input.Lx;
    const double f1 =
        eccentricityFactor(r1,
                           base.bAlongX ? "La fundacion es inestable, ey/b > 0.5 para el estado "
                                        : "La fundacion es inestable, ey/L > 0.5 para el estado ",
                           i, messages);
    const double r2 = base.ex / input.Ly;
    const double f2 =
        eccentricityFactor(r2,
                           base.bAlongX ? "La fundacion es inestable, ex/L > 0.5 para el estado "
                                        : "La fundacion es inestable, ex/b > 0.5 para el estado ",
                           i, messages);
    return f1 * f2;
}

void computeMeyerhof(const MethodInput& input, MethodResults& table,
                     common::MessageSink& messages) {
    const MeyerhofFactors N = meyerhofFactors(input.phi);
    table.water = startWaterRecord(input);
    if (!startMethodRun(table, kMeyerhof, N, messages)) {
        return;
    }
    Carried carried;
    for (int i = 1; i <= kStates; ++i) {
        computeState(input, i, N, carried, table, messages);
        keepStateIfFinite(table, i, messages);
    }
}

void metodomeyerhof(const MethodInput& input, CalculationContext& context) {
    MethodResults& table = context.tables.of(kMeyerhof);
    computeMeyerhof(input, table, context.messages);
    runMethodFrame(table, input, FrameSteps{}, context);
}

}  // namespace fendrolas
