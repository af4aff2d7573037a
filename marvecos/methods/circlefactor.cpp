#include "marvecos/methods/circlefactor.h"

namespace marvecos {

CircleVerdict factorOnSlices(SliceMethod method, const SlopeProblem& p, const SliceGeometry& g,
                             FactorWork& w) {
    soilHeights(g, p.L, w.DY);
    sliceQuantities(g, w.DY, p.gam, w.q);
    if (w.q.degenerateSlices > 0) {
        return CircleVerdict::ZeroWidthSlices;
    }
    if (!drivesTowardToe(w.q) || (method == SliceMethod::Janbu && !drivesTowardToeByTangent(w.q))) {
        return CircleVerdict::NoDrivingWeight;
    }
    w.tanfi = frictionTangent(p.fi);
    iterateFactor(method, w.q, p.c, w.tanfi, w.it);
    if (w.it.failed) {
        return CircleVerdict::IterationFailed;
    }
    if (!isSoundFactor(w.it.result)) {
        return CircleVerdict::FactorNotPositive;
    }
    return w.it.converged ? CircleVerdict::Converged : CircleVerdict::NotConverged;
}

}  // namespace marvecos
