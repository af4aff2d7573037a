#pragma once

// What every main window of the suite does alike: its central area with the heading, its
// message boxes, its windows opened on demand, and leaving the program once.

#include <QString>
#include <memory>

#include "common/messages.h"

class QMainWindow;
class QWidget;

namespace common {

// The central area of a main window, laid out at fixed positions in `width` x `height` pixels,
// in the small dialog font its captions were made for, with the bold heading ("Label1") across
// its top.
QWidget* centralArea(QMainWindow& window, int width, int height, const QString& heading,
                     int headingHeight, int headingTop, int headingPointSize);

// The sink the window was given (tests record the boxes), or real message boxes over it.
MessageSink* messagesOrBoxes(MessageSink* given, std::unique_ptr<MessageSink>& own, QWidget& window,
                             const QString& programTitle);

// Shows a window created on demand in front of the others, where it was when last hidden.
void showInFront(QWidget& window);

// "Salir" and closing the main window both end here; the second call does nothing.
void leaveOnce(bool& leaving, QWidget& mainWindow);

}  // namespace common
