#pragma once

#include "common/ui/figureview.h"
#include "fendrolas/report.h"

namespace fendrolas {

// What one effective-area drawing needs, as the main window's fields hold it.
struct AreaInput {
    float Lx = 0, Ly = 0;
    float V = 0, Mxz = 0, Myz = 0;
};

// Shows the plan of a load state as the PDF report draws it: the base, its centre lines, the
// effective area and the point of load. A state with V = 0 is not drawn and its area keeps what
// it showed; any other state updates its eccentricities in `memory` first. The methods work with
// the magnitudes of the loads and moments, and so does the drawing.
void drawEffectiveArea(common::FigureView& area, int state, const AreaInput& input,
                       Eccentricities& memory);

}  // namespace fendrolas
