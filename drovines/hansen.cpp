#include "drovines/hansen.h"

#include <algorithm>
#include <cmath>

#include "drovines/wall.h"

namespace drovines {

double Hansen(double fi, double co, double gamma, double Bw, double V, double Hl, double M,
              double df, common::MessageSink& messages, Arithmetic& ar) {
    // This routine keeps its own constants, finer than the rest of the program.
    const double e = 2.718281828;
    const double pi = 3.141592654;
    const double L = 1;

    const double tanfi = std::tan(fi);
    const double cotfi = ar.cotangent(fi);
    const double Nq = ar.power(e, pi * tanfi) * std::pow(std::tan(pi / 4 + fi / 2), 2);
    const double Nc = (Nq - 1) * cotfi;
    const double Ng = 1.5 * (Nq - 1) * tanfi;
    if (ar.failed()) {
        return 0;
    }

    double e1 = 0;
    if (V != 0) {
        e1 = ar.quotient(M, V);
    }
    if (e1 > Bw / 2) {
        messages.show("Sub Hansen: La carga no puede salir de la base", kProgramTitle,
                      common::MessageIcon::None);
        return 0;
    }

    const double Bp = Bw - 2 * e1;
    const double Lp = L;
    const double Ap = Bp * Lp;

    double k = ar.quotient(df, Lp);
    if (k > 1) {
        k = std::atan(k);
    }

    const double dc = 1 + 0.4 * k;
    const double dq = 1 + 2 * tanfi * std::pow(1 - std::sin(fi), 2) * k;
    const double dg = 1;

    const double sc = 1 + ar.quotient(Nq * Lp, Nc * Bp);
    const double sq = 1 + ar.quotient(Lp * std::sin(fi), Bp);
    const double sg = std::max(1 - ar.quotient(0.4 * Lp, Bp), 0.6);

    const double R = V + Ap * kHansenCohesionFactor * co * cotfi;
    const double iq = ar.power(1 - 0.5 * ar.quotient(Hl, R), kHansenOverburdenExponent);
    const double ic = iq - ar.quotient(1 - iq, Nq - 1);
    const double ig = ar.power(1 - 0.7 * ar.quotient(Hl, R), kHansenWeightExponent);

    const double q0 = gamma * df;

    // The weight term takes the length of the wall strip, not the effective width.
    const double qu =
        co * Nc * sc * dc * ic + q0 * Nq * sq * dq * iq + 0.5 * gamma * L * Ng * sg * dg * ig;
    return ar.finite(qu * Lp * Bp);
}

}  // namespace drovines
