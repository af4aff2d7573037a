#pragma once

#include "drovines/arithmetic.h"

namespace drovines {

// The seismic angle: the direction of the resultant of gravity and the seismic body force,
// theta = atan(kh / (1 - kv)), kv positive upward.
double seismicAngle(double kh, double kv);

// The seismic angle below the water table of an impervious backfill, whose soil carries the
// horizontal force of its saturated weight gsat on its submerged weight gsub.
double submergedSeismicAngle(double kh, double kv, double gsat, double gsub, Arithmetic& ar);

}  // namespace drovines
