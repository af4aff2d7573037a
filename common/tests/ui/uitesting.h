#pragma once

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/filedialogs.h"
#include "common/ui/screenshotfiles.h"

class QPrinter;

// The programs write their files into the current folder: each test runs in a fresh one.
class WorkFolder {
public:
    WorkFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~WorkFolder() { QDir::setCurrent(previous_); }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    QString file(const QString& name) const { return dir_.filePath(name); }
    bool exists(const QString& name) const { return QFile::exists(file(name)); }
    QByteArray read(const QString& name) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Dialogs that answer at once with the given file names ("" = cancelled) and never block.
struct StubDialogs {
    QString openName;
    QString saveName;
    std::function<bool(QPrinter&)> printer = [](QPrinter&) { return false; };
    int openCalls = 0, saveCalls = 0;
    QString lastFilter;

    common::FileDialogs dialogs() {
        common::FileDialogs d;
        d.openFile = [this](QWidget*, const QString& filter) {
            ++openCalls;
            lastFilter = filter;
            return openName;
        };
        d.saveFile = [this](QWidget*, const QString& filter) {
            ++saveCalls;
            lastFilter = filter;
            return saveName;
        };
        d.setupPrinter = [this](QPrinter& p, QWidget*) { return printer(p); };
        return d;
    }
};

using common::setFields;

inline QString fieldText(QWidget* window, const char* name) {
    auto* edit = window->findChild<QLineEdit*>(name);
    return edit ? edit->text() : QString("<no field>");
}
