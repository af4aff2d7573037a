#include "marvecos/methods/thrustline.h"

#include <cmath>

namespace marvecos {

ThrustLine thrustLine(const ModelSlices& s, const InterSliceSolution& sol) {
    const int n = s.slices;
    const std::size_t size = static_cast<std::size_t>(n) + 2;
    ThrustLine t;
    t.y.assign(size, 0.0);
    t.defined.assign(size, false);
    double scale = 0;
    for (int k = 1; k <= n; ++k) {
        scale += s.W[k] + s.Q[k];
    }
    const double smallest = 1e-4 * scale;
    // Moment of E about the level y = 0, carried from boundary to boundary: E*y.
    double momentLeft = 0;
    for (int k = 1; k <= n; ++k) {
        const double xb = s.xBase[k], yb = s.yBase[k];
        const double EL = sol.E[k], ER = sol.E[k + 1];
        const double XL = sol.X[k], XR = sol.X[k + 1];
        const double others = (s.xLeft[k] - xb) * XL + (momentLeft - EL * yb) -
                              (s.xRight[k] - xb) * XR + (s.xQ[k] - xb) * s.Q[k] +
                              (s.yG[k] - yb) * s.kW[k] + (s.xPond[k] - xb) * s.pondV[k] -
                              (s.yPond[k] - yb) * s.pondH[k];
        const double momentRight = yb * ER + others;
        if (std::fabs(ER) > smallest) {
            t.y[k + 1] = momentRight / ER;
            t.defined[k + 1] = std::isfinite(t.y[k + 1]);
        }
        momentLeft = momentRight;
    }
    return t;
}

}  // namespace marvecos
