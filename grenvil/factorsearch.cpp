#include "grenvil/factorsearch.h"

#include <cmath>
#include <vector>

namespace grenvil {

SearchOutcome searchFactor(const Residual& S, float F0, float s, float& tolerance) {
    std::vector<float> Fh(kTrialLimit + 1), rh(kTrialLimit + 1);
    float F = F0;
    for (int j = 0;; ++j) {
        if (j > kRelaxAfter) {
            tolerance = kRelaxedTolerance;
        }
        if (j > kTrialLimit) {
            return {SearchEnd::TrialLimit, F, j};
        }
        const std::optional<float> r = S(F);
        if (!r) {
            return {SearchEnd::Undefined, F, j};
        }
        Fh[j] = F;
        rh[j] = *r;
        if (std::fabs(*r) <= tolerance) {
            return {SearchEnd::Converged, F, j + 1};
        }
        if (j > 3 && rh[j - 1] * rh[j] < 0.0f) {
            F = (Fh[j - 1] + Fh[j]) / 2.0f;
        } else if (*r < 0.0f) {
            F = F - s;
        } else {
            F = F + s;
        }
    }
}

}  // namespace grenvil
