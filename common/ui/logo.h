#pragma once

#include <QIcon>
#include <QPixmap>

namespace common {

// Pictures drawn in code: the splash logo (a footing in a soil section) and the program icon.
QPixmap drawLogo(int width, int height);
QIcon drawProgramIcon();

}  // namespace common
