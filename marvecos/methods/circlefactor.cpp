#include "marvecos/methods/circlefactor.h"

#include <cmath>

#include "marvecos/methods/bishop.h"
#include "marvecos/methods/janbu.h"

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

namespace {

// Whether a driving sum is above zero by more than the rounding of its terms.
bool clearlyDrives(double sum, double magnitudes) {
    return sum > 1e-9 * magnitudes;
}

bool modelDrivesTowardToe(SliceMethod method, const ModelSlices& s) {
    double magnitudes = 0;
    for (int k = 1; k <= s.slices; ++k) {
        magnitudes += std::fabs(s.W[k] + s.Q[k] + s.pondV[k]) + s.kW[k] + std::fabs(s.pondH[k]);
    }
    if (!clearlyDrives(bishopDriving(s), magnitudes)) {
        return false;
    }
    return method != SliceMethod::Janbu || clearlyDrives(janbuDriving(s), magnitudes);
}

}  // namespace

CircleVerdict factorOnModel(SliceMethod method, const SlopeProblem& p, const GroundModel& model,
                            const SliceGeometry& g, FactorWork& w) {
    const Soil topSoil{p.fi, p.c, p.gam};
    if (modelSlices(g, p.Xcr, p.Ycr, p.R, p.H, p.L, topSoil, model, w.slices) ==
        ModelSliceStatus::BelowBase) {
        return CircleVerdict::BelowBase;
    }
    for (int k = 1; k <= w.slices.slices; ++k) {
        if (!(w.slices.b[k] > 0)) {
            return CircleVerdict::ZeroWidthSlices;
        }
    }
    if (!modelDrivesTowardToe(method, w.slices)) {
        return CircleVerdict::NoDrivingWeight;
    }
    w.tanfi = frictionTangent(p.fi);
    iterateFactor(method, w.slices, w.it);
    if (w.it.failed) {
        return CircleVerdict::IterationFailed;
    }
    if (!isSoundFactor(w.it.result)) {
        return CircleVerdict::FactorNotPositive;
    }
    return w.it.converged ? CircleVerdict::Converged : CircleVerdict::NotConverged;
}

}  // namespace marvecos
