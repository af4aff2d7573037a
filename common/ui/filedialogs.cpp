#include "common/ui/filedialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace common {

FileDialogs FileDialogs::standard() {
    FileDialogs dialogs;
    dialogs.openFile = [](QWidget* parent, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    };
    dialogs.saveFile = [](QWidget* parent, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
    };
    dialogs.setupPrinter = [](QPrinter& printer, QWidget* parent) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    return dialogs;
}

}  // namespace common
