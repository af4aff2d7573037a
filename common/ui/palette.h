#pragma once

#include <QColor>

namespace common {

// Entry 0..15 of the classic 16-colour palette (0 black, 9 light blue, 10 light green,
// 11 light cyan, 12 light red, 13 light magenta, 15 bright white). Out of range gives black.
QColor classicColor(int entry);

}  // namespace common
