#include "marvecos/geometry/slicequantities.h"

#include <cmath>

namespace marvecos {

std::vector<double> soilHeights(const SliceGeometry& g, double L) {
    std::vector<double> DY;
    soilHeights(g, L, DY);
    return DY;
}

void soilHeights(const SliceGeometry& g, double /*L*/, std::vector<double>& DY) {
    DY.assign(g.slices + 2, 0.0);
    for (int i = 1; i <= g.slices + 1; ++i) {
        DY[i] = g.YS[i] - g.Y[i];
    }
}

SliceQuantities sliceQuantities(const SliceGeometry& g, const std::vector<double>& DY, double gam) {
    SliceQuantities q;
    sliceQuantities(g, DY, gam, q);
    return q;
}

void sliceQuantities(const SliceGeometry& g, const std::vector<double>& DY, double gam,
                     SliceQuantities& q) {
    const int n = g.slices;
    q.slices = n;
    q.sumL = q.sumWcos = q.sumWsen = q.sumWtan = 0;
    q.degenerateSlices = 0;
    for (auto* v :
         {&q.dxx, &q.A, &q.L1, &q.w, &q.cos, &q.sen, &q.tanA, &q.secA, &q.wcos, &q.wsen}) {
        v->assign(n + 1, 0.0);
    }
    for (int k = 1; k <= n; ++k) {
        q.dxx[k] = std::fabs(g.X[k + 1] - g.X[k]);
        q.A[k] = ((DY[k + 1] + DY[k]) * 0.5) * q.dxx[k];
        const double dy = g.Y[k + 1] - g.Y[k];
        q.L1[k] = std::sqrt(q.dxx[k] * q.dxx[k] + dy * dy);
        q.sumL += q.L1[k];
        if (q.dxx[k] > 0) {
            q.sen[k] = (g.Y[k] - g.Y[k + 1]) / q.L1[k];
            q.cos[k] = q.dxx[k] / q.L1[k];
            q.tanA[k] = q.sen[k] / q.cos[k];
            q.secA[k] = 1 / q.cos[k];
        } else {
            ++q.degenerateSlices;
        }
        q.w[k] = q.A[k] * gam;
        q.sumWcos += q.w[k] * q.cos[k];
        q.sumWsen += q.w[k] * q.sen[k];
        q.sumWtan += q.w[k] * q.tanA[k];
        q.wcos[k] = q.w[k] * q.cos[k];
        q.wsen[k] = q.w[k] * q.sen[k];
    }
}

namespace {

// A sum counts as positive only beyond the rounding of its terms.
bool clearlyPositive(double sum, double sumOfMagnitudes) {
    return sum > 1e-9 * sumOfMagnitudes;
}

}  // namespace

bool drivesTowardToe(const SliceQuantities& q) {
    double magnitudes = 0;
    for (int k = 1; k <= q.slices; ++k) {
        magnitudes += std::fabs(q.wsen[k]);
    }
    return clearlyPositive(q.sumWsen, magnitudes);
}

bool drivesTowardToeByTangent(const SliceQuantities& q) {
    double magnitudes = 0;
    for (int k = 1; k <= q.slices; ++k) {
        magnitudes += std::fabs(q.w[k] * q.tanA[k]);
    }
    return clearlyPositive(q.sumWtan, magnitudes);
}

double frictionTangent(double fi) {
    return std::tan(fi * 3.1416 / 180);
}

double startingFactor(double c, double tanfi, const SliceQuantities& q) {
    return 1.2 * (c * q.sumL + tanfi * q.sumWcos) / q.sumWsen;
}

}  // namespace marvecos
