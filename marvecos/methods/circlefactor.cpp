#include "marvecos/methods/circlefactor.h"

namespace marvecos {

namespace {

// The slope of the fields as a model with no layer, water, load or earthquake.
CircleVerdict factorOnHomogeneousModel(SliceMethod method, const SlopeProblem& p,
                                       const SliceGeometry& g, FactorWork& w) {
    switch (factorOnModel(method, p, GroundModel{}, g, w.model)) {
        case ModelVerdict::Solved:
            w.it.result = w.model.F;
            return CircleVerdict::Converged;
        case ModelVerdict::ZeroWidthSlices:
            return CircleVerdict::ZeroWidthSlices;
        case ModelVerdict::NoDrivingMoment:
            return CircleVerdict::NoDrivingWeight;
        case ModelVerdict::FactorNotPositive:
            return CircleVerdict::FactorNotPositive;
        default:
            // No admissible solution of the equilibrium: counted with the failed iterations.
            return CircleVerdict::IterationFailed;
    }
}

}  // namespace

CircleVerdict factorOnSlices(SliceMethod method, const SlopeProblem& p, const SliceGeometry& g,
                             FactorWork& w) {
    if (isModelMethod(method)) {
        return factorOnHomogeneousModel(method, p, g, w);
    }
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
