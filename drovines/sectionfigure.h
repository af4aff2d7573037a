#pragma once

#include "common/figure.h"
#include "drovines/resultados.h"
#include "drovines/wall.h"

namespace drovines {

// The wall's section to scale, in metres with the heel of the front face at (0, 0): the wall
// (0, 0), (B, 0), (xf + b1, H), (xf, H); the backfill from the crest's back corner at the slope
// beta; the ground in front at the height df; the water table at hn above the base; the
// surcharge q over the backfill; and the thrust Ea on the back face at the angle d, with the
// seismic increment for Mononobe-Okabe. Only the geometry is needed: the window draws the wall
// before any calculation. The thrust arrows show value and direction; they are
// drawn at a third of H, not at a computed point of application.
common::Figure wallSectionFigure(const WallRecord& r, const Resultados& res, bool seismic);

}  // namespace drovines
