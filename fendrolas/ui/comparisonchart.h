#pragma once

#include <QColor>
#include <array>

#include "fendrolas/methods/readers.h"

namespace fendrolas {

using ComparisonTable = std::array<std::array<float, kStates + 1>, kMethods + 1>;

// Colour of load state 1..5 in both charts, as the comparison figure paints it.
QColor stateColor(int state);

}  // namespace fendrolas
