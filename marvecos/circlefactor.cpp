#include "marvecos/circlefactor.h"

namespace marvecos {

CircleVerdict factorOnSlices(SliceMethod method, const SlopeProblem& p, const SliceGeometry& g,
                             FactorWork& w) {
    soilHeights(g, p.L, w.DY);
    sliceQuantities(g, w.DY, p.gam, w.q);
    if (w.q.degenerateSlices > 0) {
        return CircleVerdict::ZeroWidthSlices;
    }
    if (w.q.sumWsen == 0 || (method == SliceMethod::Janbu && w.q.sumWtan == 0)) {
        return CircleVerdict::NoDrivingWeight;
    }
    w.tanfi = frictionTangent(p.fi);
    iterateFactor(method, w.q, p.c, w.tanfi, w.it);
    if (w.it.failed) {
        return CircleVerdict::IterationFailed;
    }
    return w.it.converged ? CircleVerdict::Converged : CircleVerdict::NotConverged;
}

}  // namespace marvecos
