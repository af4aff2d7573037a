#include "common/ui/windowsize.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace common {

namespace {

// Title bar and borders of a usual desktop's window frame.
constexpr int kFrameWidth = 2 * 4;
constexpr int kFrameHeight = 30 + 4;
// What a taskbar or top panel takes where the platform does not tell (headless runs).
constexpr int kPanelHeight = 36;

}  // namespace

QSize roomOnScreen(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {1366 - kFrameWidth, 768 - kPanelHeight - kFrameHeight};
    }
    QSize room = screen->availableGeometry().size();
    if (room == screen->size()) {
        room.rheight() -= kPanelHeight;
    }
    return {room.width() - kFrameWidth, room.height() - kFrameHeight};
}

void resizeWithinScreen(QWidget& window, QSize wanted) {
    window.resize(wanted.boundedTo(roomOnScreen(window)));
}

}  // namespace common
