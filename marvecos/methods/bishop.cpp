#include "marvecos/methods/bishop.h"

#include <cmath>

namespace marvecos {

bool bishopFactor(const SliceQuantities& q, double c, double tanfi, double fs, double& fsCalc) {
    if (fs == 0) {
        return false;
    }
    double S = 0;
    for (int k = 1; k <= q.slices; ++k) {
        const double num = c * q.dxx[k] + q.w[k] * tanfi;
        const double ma = 1 + q.tanA[k] * tanfi / fs;
        if (ma == 0) {
            return false;
        }
        S = S + num * q.secA[k] / ma;
    }
    fsCalc = S / q.sumWsen;
    return std::isfinite(fsCalc);
}

}  // namespace marvecos

namespace marvecos {

// The effective normal force's share of a slice's strength: c*b + (W + Q + pondV - u*b)*tanfi.
double resistingNumerator(const ModelSlices& s, int k) {
    return s.c[k] * s.b[k] + (s.W[k] + s.Q[k] + s.pondV[k] - s.u[k] * s.b[k]) * s.tanFi[k];
}

bool bishopFactor(const ModelSlices& s, double driving, double fs, double& fsCalc) {
    if (fs == 0) {
        return false;
    }
    double S = 0;
    for (int k = 1; k <= s.slices; ++k) {
        const double mA = s.cosA[k] + s.sinA[k] * s.tanFi[k] / fs;
        if (mA == 0) {
            return false;
        }
        S += resistingNumerator(s, k) / mA;
    }
    fsCalc = S / driving;
    return std::isfinite(fsCalc);
}

double bishopDriving(const ModelSlices& s) {
    double sum = 0;
    for (int k = 1; k <= s.slices; ++k) {
        sum += (s.W[k] + s.Q[k]) * s.sinA[k] + (s.kW[k] * (s.Ycr - s.yG[k]) + s.pondM[k]) / s.R;
    }
    return sum;
}

}  // namespace marvecos
