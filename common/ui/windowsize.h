#pragma once

#include <QSize>

class QWidget;

namespace common {

// The room a window may take on the screen it is on: the screen less the desktop's panels and
// the window's title bar and borders. 1366 x 768 leaves about 1366 x 698.
QSize roomOnScreen(const QWidget& window);

// Resizes the window to the size its contents want, but never beyond roomOnScreen, so that its
// buttons stay in sight; what does not fit scrolls.
void resizeWithinScreen(QWidget& window, QSize wanted);

}  // namespace common
