#include "marvecos/methods/iteration.h"

#include <cmath>

#include "marvecos/methods/bishop.h"
#include "marvecos/methods/janbu.h"

namespace marvecos {

namespace {

double tolerance(int iter) {
    if (iter > 750) {
        return 0.01;
    }
    if (iter > 500) {
        return 0.001;
    }
    return 0.0001;
}

// One pass over the slices with the proposed value fs; false on a division by zero.
bool calculatedFactor(SliceMethod method, const SliceQuantities& q, double c, double tanfi,
                      double fs, double& fsCalc) {
    return method == SliceMethod::Bishop ? bishopFactor(q, c, tanfi, fs, fsCalc)
                                         : janbuFactor(q, c, tanfi, fs, fsCalc);
}

// The loop of the iteration from fs0: pass(fs, fsCalc) computes the factor that the proposed fs
// gives, false on a division by zero.
template <typename Pass>
void repeatPass(double fs0, Iteration& it, Pass pass) {
    it.failed = false;
    it.converged = false;
    it.iter = 0;
    it.fs = it.fsCalc = it.error = it.result = 0;
    it.fsprop.assign(kLastIteration + 2, 0.0);
    it.fscalc.assign(kLastIteration + 2, 0.0);
    it.fs0 = fs0;
    if (!std::isfinite(it.fs0)) {
        it.failed = true;
        return;
    }
    double fs = it.fs0;
    double fsCalc = 0;
    std::int16_t iter = 0;
    while (true) {
        if (iter > kLastIteration) {
            // fs was just replaced by fsCalc, so the mean is the last calculated value.
            it.result = (fs + fsCalc) / 2;
            break;
        }
        if (!pass(fs, fsCalc)) {
            it.failed = true;
            return;
        }
        it.error = std::fabs(fsCalc - fs);
        it.fsprop[iter] = fs;
        it.fscalc[iter] = fsCalc;
        if (it.error <= tolerance(iter)) {
            it.converged = true;
            it.result = fsCalc;
            break;
        }
        fs = fsCalc;
        ++iter;
    }
    it.iter = iter;
    it.fs = fs;
    it.fsCalc = fsCalc;
}

// The ordinary method's resisting sum on the model: sum[c*l + ((W + Q + pondV)*cos - u*l)*tanfi].
double ordinaryResistance(const ModelSlices& s) {
    double sum = 0;
    for (int k = 1; k <= s.slices; ++k) {
        const double normal = (s.W[k] + s.Q[k] + s.pondV[k]) * s.cosA[k] - s.u[k] * s.l[k];
        sum += s.c[k] * s.l[k] + normal * s.tanFi[k];
    }
    return sum;
}

}  // namespace

bool isSoundFactor(double fs) {
    return std::isfinite(fs) && fs > 0;
}

Iteration iterateFactor(SliceMethod method, const SliceQuantities& q, double c, double tanfi) {
    Iteration it;
    iterateFactor(method, q, c, tanfi, it);
    return it;
}

void iterateFactor(SliceMethod method, const SliceQuantities& q, double c, double tanfi,
                   Iteration& it) {
    repeatPass(startingFactor(c, tanfi, q), it, [&](double fs, double& fsCalc) {
        return calculatedFactor(method, q, c, tanfi, fs, fsCalc);
    });
}

void iterateFactor(SliceMethod method, const ModelSlices& s, Iteration& it) {
    const double bishopSum = bishopDriving(s);
    const double driving = method == SliceMethod::Bishop ? bishopSum : janbuDriving(s);
    repeatPass(1.2 * ordinaryResistance(s) / bishopSum, it, [&](double fs, double& fsCalc) {
        return method == SliceMethod::Bishop ? bishopFactor(s, driving, fs, fsCalc)
                                             : janbuFactor(s, driving, fs, fsCalc);
    });
}

}  // namespace marvecos
