#include "common/ui/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <memory>

#include "common/ui/splash.h"

namespace common {

void installSpanishTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Spanish), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

bool displayAvailable() {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') {
            return true;
        }
    }
    return false;
}

void useOffscreenPlatform() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

int runFromSplash(const ProgramIdentity& identity,
                  const std::function<QWidget*()>& makeMainWindow) {
    std::unique_ptr<QWidget> mainWindow;
    auto* splash = new frmSplash(identity);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash, &frmSplash::finished, [&mainWindow, &makeMainWindow] {
        mainWindow.reset(makeMainWindow());
        mainWindow->show();
    });
    splash->show();
    return QApplication::exec();
}

void closeEveryWindow(QWidget& mainWindow) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &mainWindow) {
            window->hide();
        }
    }
    mainWindow.close();
    QApplication::quit();
}

}  // namespace common
