#pragma once

#include <QApplication>
#include <QWidget>
#include <functional>

#include "common/ui/programidentity.h"

namespace common {

// The toolkit's own texts (file and print dialogs, standard buttons) in Spanish, from the
// distribution's translations; without them those texts stay in English.
void installSpanishTranslations(QApplication& app);

// A window system to open windows on. Without one the toolkit would stop the program when it
// looks for a screen, so the programs say so and point to their batch mode instead.
bool displayAvailable();

// Batch mode draws its PDF reports without a screen: Qt is told to use no display at all.
void useOffscreenPlatform();

// The start of every window program: the splash first, and when the user leaves it the main
// window that makeMainWindow builds. Runs the event loop and returns its exit code.
int runFromSplash(const ProgramIdentity& identity, const std::function<QWidget*()>& makeMainWindow);

// "Salir" of a main window: every window of the program closes at once, nothing is asked and
// nothing is saved.
void closeEveryWindow(QWidget& mainWindow);

}  // namespace common
