#include "common/ui/mainwindowparts.h"

#include <QMainWindow>
#include <QWidget>

#include "common/ui/placedwidgets.h"
#include "common/ui/qtmessages.h"
#include "common/ui/startup.h"

namespace common {

namespace {

constexpr int kCaptionPointSize = 8;

}  // namespace

QWidget* centralArea(QMainWindow& window, int width, int height, const QString& heading,
                     int headingHeight, int headingTop, int headingPointSize) {
    auto* central = new QWidget(&window);
    central->setFixedSize(width, height);
    QFont small = central->font();
    small.setPointSize(kCaptionPointSize);
    central->setFont(small);
    window.setCentralWidget(central);
    windowHeading(central, heading, QRect(0, headingTop, width, headingHeight), headingPointSize);
    return central;
}

MessageSink* messagesOrBoxes(MessageSink* given, std::unique_ptr<MessageSink>& own, QWidget& window,
                             const QString& programTitle) {
    if (given != nullptr) {
        return given;
    }
    own = std::make_unique<QtMessageBoxes>(&window, programTitle);
    return own.get();
}

void showInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void leaveOnce(bool& leaving, QWidget& mainWindow) {
    // Closing the main window comes back here through its closeEvent.
    if (leaving) {
        return;
    }
    leaving = true;
    closeEveryWindow(mainWindow);
}

}  // namespace common
