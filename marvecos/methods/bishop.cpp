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
