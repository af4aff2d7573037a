#include "drovines/hansen.h"

#include <cmath>

#include "drovines/wall.h"

namespace drovines {

double Hansen(double fi, double co, double gamma, double Bw, double V, double Hl, double M,
              double df, common::MessageSink& messages, Arithmetic& ar) {
    // This routine keeps its own constants, finer than the rest of the program.
    const double e = 2.718281828;
    const double pi = 3.141592654;

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
    // On the edge the effective base has no width left: no capacity, as beyond it.
    if (e1 >= Bw / 2) {
        messages.show("Sub Hansen: La carga no puede salir de la base", kProgramTitle,
                      common::MessageIcon::None);
        return 0;
    }

    // A strip, per metre of wall: the effective width B' is the only plan dimension, and the
    // shape factors of a strip are 1.
    const double Bp = Bw - 2 * e1;

    double k = ar.quotient(df, Bp);
    if (k > 1) {
        k = std::atan(k);
    }

    const double dc = 1 + 0.4 * k;
    const double dq = 1 + 2 * tanfi * std::pow(1 - std::sin(fi), 2) * k;
    const double dg = 1;

    const double R = V + Bp * kHansenCohesionFactor * co * cotfi;
    const double iq = ar.power(1 - 0.5 * ar.quotient(Hl, R), kHansenOverburdenExponent);
    const double ic = iq - ar.quotient(1 - iq, Nq - 1);
    const double ig = ar.power(1 - 0.7 * ar.quotient(Hl, R), kHansenWeightExponent);

    const double q0 = gamma * df;

    const double qu = co * Nc * dc * ic + q0 * Nq * dq * iq + 0.5 * gamma * Bp * Ng * dg * ig;
    return ar.finite(qu * Bp);
}

}  // namespace drovines
