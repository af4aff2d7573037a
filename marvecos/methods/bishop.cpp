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

bool bishopFactor(const ModelSlices& s, double driving, double fs, double& fsCalc) {
    if (fs == 0) {
        return false;
    }
    const double inverseFs = 1 / fs;
    double S = 0;
    for (int k = 1; k <= s.slices; ++k) {
        const double mA = s.cosA[k] + s.sinA[k] * s.tanFi[k] * inverseFs;
        if (mA == 0) {
            return false;
        }
        S += s.resisting[k] / mA;
    }
    fsCalc = S / driving;
    return std::isfinite(fsCalc);
}

double bishopDriving(const ModelSlices& s) {
    double forces = 0, moments = 0;
    for (int k = 1; k <= s.slices; ++k) {
        forces += (s.W[k] + s.Q[k]) * s.sinA[k];
        moments += s.kW[k] * (s.Ycr - s.yG[k]) + s.pondM[k];
    }
    return forces + moments / s.R;
}

}  // namespace marvecos
