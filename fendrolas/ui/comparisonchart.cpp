#include "fendrolas/ui/comparisonchart.h"

#include "fendrolas/footingfigures.h"

namespace fendrolas {

QColor stateColor(int state) {
    const common::Rgb c = stateRgb(state);
    return QColor(c.r, c.g, c.b);
}

}  // namespace fendrolas
