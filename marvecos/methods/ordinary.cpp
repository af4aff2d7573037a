#include "marvecos/methods/ordinary.h"

#include <cmath>

namespace marvecos {

bool ordinaryFactor(const ModelSlices& s, double& F) {
    double resist = 0, drive = 0;
    for (int k = 1; k <= s.slices; ++k) {
        const double P = s.W[k] + s.Q[k] + s.pondV[k];
        const double H = s.kW[k] - s.pondH[k];
        const double N = P * s.cosA[k] - H * s.sinA[k];
        resist += s.c[k] * s.l[k] + (N - s.u[k] * s.l[k]) * s.tanFi[k];
        drive +=
            (s.W[k] + s.Q[k]) * s.sinA[k] + s.kW[k] * (s.Ycr - s.yG[k]) / s.R + s.pondM[k] / s.R;
    }
    if (!(drive > 0)) {
        return false;
    }
    F = resist / drive;
    return std::isfinite(F) && F > 0;
}

}  // namespace marvecos
