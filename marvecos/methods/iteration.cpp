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
    it.failed = false;
    it.converged = false;
    it.iter = 0;
    it.fs = it.fsCalc = it.error = it.result = 0;
    it.fsprop.assign(kLastIteration + 2, 0.0);
    it.fscalc.assign(kLastIteration + 2, 0.0);
    it.fs0 = startingFactor(c, tanfi, q);
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
        if (!calculatedFactor(method, q, c, tanfi, fs, fsCalc)) {
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

}  // namespace marvecos
