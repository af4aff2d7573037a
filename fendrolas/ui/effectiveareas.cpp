#include "fendrolas/ui/effectiveareas.h"

#include <algorithm>
#include <cmath>

#include "common/ui/palette.h"

namespace fendrolas {

void drawEffectiveArea(common::Canvas& area, int state, const AreaInput& input,
                       Eccentricities& memory) {
    // A negative V is computed by its magnitude, and drawn so; only an empty state is skipped.
    if (input.V == 0) {
        return;
    }
    memory.ex[state] = input.Mxz / input.V;
    memory.ey[state] = input.Myz / input.V;

    const double Lx = input.Lx;
    const double Ly = input.Ly;
    if (!(Lx > 0) || !(Ly > 0) || !std::isfinite(Lx) || !std::isfinite(Ly)) {
        return;
    }
    // Ly maps to 10 units; a base longer than 1.1 Ly would leave the area, so Lx maps to 10.
    const double k = Lx > 1.1 * Ly ? 10 / Lx : 10 / Ly;
    const double W = Lx * k;
    const double H = Ly * k;
    const double ex = std::abs(static_cast<double>(memory.ex[state]));
    const double ey = std::abs(static_cast<double>(memory.ey[state]));

    // Cleared first: a smaller effective area drawn over a larger one would show the old green.
    area.clear();
    area.setScale(-1, 11, 11, -1);
    const QColor white = common::classicColor(15);
    const QColor green = common::classicColor(10);
    const QColor red = common::classicColor(12);

    // Green first, so that the outline, the centre lines and the number stay readable over it.
    const bool eccentric = ex != 0 || ey != 0;
    if (eccentric) {
        area.filledBox(std::min(2 * ex * k, W), std::min(2 * ey * k, H), W, H, green);
    } else {
        area.filledBox(0, 0, W, H, green);
    }
    area.box(0, 0, W, H, white);
    area.line(-0.5, H / 2, W + 0.5, H / 2, white);
    area.line(W / 2, -0.5, W / 2, H + 0.5, white);
    area.text(W / 2, H / 2, QString::number(state), white);
    if (eccentric) {
        area.dot((Lx / 2 + ex) * k, (Ly / 2 + ey) * k, 0.1, red);
    } else {
        area.dot(W / 2, H / 2, 0.1, red);
    }
}

}  // namespace fendrolas
