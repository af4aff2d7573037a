#include "marvecos/methods/janbu.h"

#include <cmath>

namespace marvecos {

bool janbuFactor(const SliceQuantities& q, double c, double tanfi, double fs, double& fsCalc) {
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
        S = S + num * q.secA[k] * q.secA[k] / ma;
    }
    fsCalc = S / q.sumWtan;
    return std::isfinite(fsCalc);
}

bool janbuFactor(const ModelSlices& s, double driving, double fs, double& fsCalc) {
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
        S += s.resisting[k] / (s.cosA[k] * mA);
    }
    fsCalc = S / driving;
    return std::isfinite(fsCalc);
}

double janbuDriving(const ModelSlices& s) {
    double sum = 0;
    for (int k = 1; k <= s.slices; ++k) {
        sum += (s.W[k] + s.Q[k] + s.pondV[k]) * s.tanA[k] + s.kW[k] - s.pondH[k];
    }
    return sum;
}

}  // namespace marvecos
