#include "fendrolas/ui/effectiveareas.h"

#include <utility>

#include "fendrolas/footingfigures.h"

namespace fendrolas {

void drawEffectiveArea(common::FigureView& area, int state, const AreaInput& input,
                       Eccentricities& memory) {
    // A negative V is computed by its magnitude, and drawn so; only an empty state is skipped.
    if (input.V == 0) {
        return;
    }
    memory.ex[state] = input.Mxz / input.V;
    memory.ey[state] = input.Myz / input.V;
    common::Figure plan =
        effectivePlanFigure(input.Lx, input.Ly, state, input.V, input.Mxz, input.Myz);
    if (plan.drawable()) {
        area.setFigure(std::move(plan));
    }
}

}  // namespace fendrolas
