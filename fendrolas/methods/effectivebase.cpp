#include "fendrolas/methods/effectivebase.h"

#include <cmath>

#include "fendrolas/methods/stateoutcome.h"

namespace fendrolas {

EffectiveBase effectiveBase(const MethodInput& in, int i) {
    EffectiveBase base;
    const double V = in.V[i];
    if (V != 0) {
        base.ex = std::fabs(in.Mxz[i] / V);
        base.ey = std::fabs(in.Myz[i] / V);
    }
    base.Lxp = in.Lx - 2 * base.ex;
    base.Lyp = in.Ly - 2 * base.ey;

    base.bAlongX = base.Lxp <= base.Lyp;
    if (base.bAlongX) {
        base.bp = base.Lxp;
        base.lp = base.Lyp;
        base.Hb = in.Qx[i];
        base.Hl = in.Qy[i];
        base.B = in.Lx;
        base.L = in.Ly;
    } else {
        base.bp = base.Lyp;
        base.lp = base.Lxp;
        base.Hb = in.Qy[i];
        base.Hl = in.Qx[i];
        base.B = in.Ly;
        base.L = in.Lx;
    }
    base.A = base.bp * base.lp;
    return base;
}

bool slidesOnFrictionlessSoil(const EffectiveBase& base, double phi, double c, double cc) {
    if (phi != 0) {
        return false;
    }
    const double H = std::sqrt(base.Hb * base.Hb + base.Hl * base.Hl);
    return H != 0 && H > base.A * cc * c;
}

void writeEffectiveBase(const EffectiveBase& base, MethodResults& table, int i) {
    table(kRowWidth, i) = tableValue(base.bp);
    table(kRowLength, i) = tableValue(base.lp);
    table(kRowArea, i) = tableValue(base.A);
    table(kRowLxp, i) = tableValue(base.Lxp);
    table(kRowLyp, i) = tableValue(base.Lyp);
}

}  // namespace fendrolas
