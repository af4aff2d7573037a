#pragma once

#include "common/ui/canvas.h"
#include "fendrolas/report.h"

namespace fendrolas {

// What one effective-area drawing needs, as the main window's fields hold it.
struct AreaInput {
    float Lx = 0, Ly = 0;
    float V = 0, Mxz = 0, Myz = 0;
};

// Draws the base of a load state afresh: outline and centre lines in white,
// the effective area in green and the point of load in red. A state with V = 0 is not drawn and
// its area keeps what it showed; any other state updates its eccentricities in `memory` first.
// The methods work with the magnitudes of the loads and moments, and so does the drawing. A base
// much longer than wide is scaled down so that it fits the area.
void drawEffectiveArea(common::Canvas& area, int state, const AreaInput& input,
                       Eccentricities& memory);

}  // namespace fendrolas
