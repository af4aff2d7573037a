#include "grenvil/spencer.h"

#include <cmath>
#include <optional>

#include "grenvil/factorsearch.h"

namespace grenvil {

namespace {

constexpr float kPi = 3.1416f;
constexpr float kThetaStep = 0.01f;
constexpr float kAgreement = 0.01f;
constexpr float kForceStep = 0.00005f;
constexpr float kMomentStep = 0.00025f;
// A force search that fails in both directions with the relaxed tolerance would only repeat
// itself: the third start is the last.
constexpr int kForceStarts = 3;
// Theta turning back a second time means it swings between two neighbours for good.
constexpr int kReversals = 2;

// Force on slice k for a trial factor F, with the cohesion on the base length; empty where a
// denominator is zero.
std::optional<float> sliceForce(const SpencerInput& in, const SliceTable& t, float tanfi, int k,
                                float F) {
    // A slice without base length has no width and no weight either: it carries nothing, whatever
    // angles it kept from an earlier theta.
    if (t.L1[k] == 0.0f) {
        return 0.0f;
    }
    if (F == 0.0f) {
        return std::nullopt;
    }
    const float numerator = t.w[k] * t.cos[k] * tanfi / F + in.C * t.L1[k] / F - t.w[k] * t.sen[k];
    const float denominator = (1.0f + t.tanAT[k] * tanfi / F) * t.cosAT[k];
    if (denominator == 0.0f) {
        return std::nullopt;
    }
    return numerator / denominator;
}

std::optional<float> finiteOrNothing(float sum) {
    if (!std::isfinite(sum)) {
        return std::nullopt;
    }
    return sum;
}

std::optional<float> forceResidual(const SpencerInput& in, const SliceTable& t, float tanfi,
                                   float F) {
    float sumQ = 0.0f;
    for (int k = 1; k <= t.n; ++k) {
        const std::optional<float> Qk = sliceForce(in, t, tanfi, k, F);
        if (!Qk) {
            return std::nullopt;
        }
        sumQ = sumQ + *Qk;
    }
    return finiteOrNothing(sumQ);
}

std::optional<float> momentResidual(const SpencerInput& in, const SliceTable& t, float tanfi,
                                    float F) {
    float sumM = 0.0f;
    for (int k = 1; k <= t.n; ++k) {
        const std::optional<float> Qk = sliceForce(in, t, tanfi, k, F);
        if (!Qk) {
            return std::nullopt;
        }
        sumM = sumM + *Qk * t.cosAT[k] * in.R;
    }
    return finiteOrNothing(sumM);
}

// FST: the force search from F0, started again in the other direction each time it reaches its
// trial limit. The direction stays turned for the rest of the calculation.
SearchOutcome forceFactor(const Residual& forces, float F0, float& sF, SpencerTrace& trace) {
    float tolerance = kStartTolerance;
    SearchOutcome force;
    for (int start = 1;; ++start) {
        force = searchFactor(forces, F0, sF, tolerance);
        if (force.end != SearchEnd::TrialLimit) {
            return force;
        }
        trace.searchMessage("No hay convergencia en traslaciones...");
        sF = -sF;
        if (start == kForceStarts) {
            return force;
        }
    }
}

// FSM: the moment search from 1; at its trial limit the value reached stands.
SearchOutcome momentFactor(const Residual& moments, SpencerTrace& trace) {
    float tolerance = kStartTolerance;
    const SearchOutcome moment = searchFactor(moments, 1.0f, kMomentStep, tolerance);
    if (moment.end == SearchEnd::TrialLimit) {
        trace.searchMessage("No hay convergencia en momentos...");
    }
    return moment;
}

}  // namespace

SpencerResult runSpencer(const SpencerInput& in, SliceTable& t, SpencerTrace& trace) {
    SpencerResult result;
    float theta = 0.0f;
    float dtheta = 0.0f;
    int NP = 0;
    float sF = kForceStep;
    int reversals = 0;

    for (;;) {
        theta = theta + dtheta;
        result.theta = theta;
        if (std::fabs(theta) > kPi / 2.0f) {
            return result;
        }
        updateAngles(t, theta);
        const float tanfi = std::tan(in.FI * kPi / 180.0f);

        const Residual forces = [&](float F) { return forceResidual(in, t, tanfi, F); };
        const float F0 = 1.2f * (in.C * t.sumL + tanfi * t.sumWcos) / t.sumWsen;
        const SearchOutcome force = forceFactor(forces, F0, sF, trace);
        result.FST = force.F;
        if (force.end == SearchEnd::Undefined) {
            return result;
        }
        const Residual moments = [&](float F) { return momentResidual(in, t, tanfi, F); };
        const SearchOutcome moment = momentFactor(moments, trace);
        result.FSM = moment.F;
        if (moment.end == SearchEnd::Undefined) {
            return result;
        }

        NP = NP + 1;
        trace.trialTheta(NP, result.FST, result.FSM, theta);
        if (force.end != SearchEnd::Converged) {
            return result;
        }
        if (std::fabs(result.FSM - result.FST) <= kAgreement) {
            result.converged = true;
            return result;
        }
        const float step = result.FST > result.FSM ? -kThetaStep : kThetaStep;
        if (dtheta != 0.0f && step != dtheta && ++reversals == kReversals) {
            return result;
        }
        dtheta = step;
    }
}

}  // namespace grenvil
