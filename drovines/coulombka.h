#pragma once

#include <optional>

#include "drovines/arithmetic.h"

namespace drovines {

// Coulomb's active coefficient for a back face at psi to the horizontal, wall friction delta
// and a backfill sloping at beta (radians). Nothing when the wedge has no real solution (a
// negative radicand: a backfill steeper than fi).
std::optional<double> coulombKa(double psi, double fi, double delta, double beta, Arithmetic& ar);

}  // namespace drovines
