#pragma once

#include <functional>
#include <optional>

namespace grenvil {

// Residual of an equilibrium equation for a trial factor of safety F; empty when it cannot be
// computed (a zero denominator).
using Residual = std::function<std::optional<float>(float F)>;

enum class SearchEnd { Converged, TrialLimit, Undefined };

struct SearchOutcome {
    SearchEnd end = SearchEnd::Converged;
    float F = 0;  // the factor found, or the trial value reached
    int trials = 0;
};

constexpr float kStartTolerance = 0.0001f;
constexpr float kRelaxedTolerance = 10.0f;
constexpr int kRelaxAfter = 500;
constexpr int kTrialLimit = 20000;

// Steps F by s toward a zero of the residual, halving between the last two trials once the
// residual changes sign. The tolerance is relaxed in place after 500 trials, so that a caller
// that starts again keeps the relaxed value.
SearchOutcome searchFactor(const Residual& S, float F0, float s, float& tolerance);

}  // namespace grenvil
