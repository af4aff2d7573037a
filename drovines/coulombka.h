#pragma once

#include <optional>

#include "drovines/arithmetic.h"

namespace drovines {

// Coulomb's active coefficient for a back face at psi to the horizontal, wall friction delta
// and a backfill sloping at beta (radians), in its seismic form for a seismic angle theta
// (Mononobe-Okabe's K_AE; theta = 0 gives Coulomb's ka exactly). Nothing when the wedge has no
// real solution (a negative radicand: a backfill steeper than fi - theta).
std::optional<double> coulombKa(double psi, double fi, double delta, double beta, double theta,
                                Arithmetic& ar);

}  // namespace drovines
