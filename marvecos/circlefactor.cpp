#include "marvecos/circlefactor.h"

namespace marvecos {

CircleVerdict factorOnSlices(SliceMethod method, const SlopeProblem& p, const SliceGeometry& g,
                             FactorWork& w) {
    w.DY = soilHeights(g, p.L);
    w.q = sliceQuantities(g, w.DY, p.gam);
    if (w.q.degenerateSlices > 0) {
        return CircleVerdict::ZeroWidthSlices;
    }
    if (w.q.sumWsen == 0 || (method == SliceMethod::Janbu && w.q.sumWtan == 0)) {
        return CircleVerdict::NoDrivingWeight;
    }
    w.tanfi = frictionTangent(p.fi);
    w.it = iterateFactor(method, w.q, p.c, w.tanfi);
    if (w.it.failed) {
        return CircleVerdict::IterationFailed;
    }
    return w.it.converged ? CircleVerdict::Converged : CircleVerdict::NotConverged;
}

}  // namespace marvecos
