#include "common/ui/filedialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace common {

QString withFilterExtension(const QString& fileName, const QString& selectedFilter) {
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty()) {
        return fileName;
    }
    static const QRegularExpression firstPattern(R"(\*\.([A-Za-z0-9]+))");
    const QRegularExpressionMatch match = firstPattern.match(selectedFilter);
    return match.hasMatch() ? fileName + "." + match.captured(1) : fileName;
}

FileDialogs FileDialogs::standard() {
    FileDialogs dialogs;
    dialogs.openFile = [](QWidget* parent, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    };
    dialogs.saveFile = [](QWidget* parent, const QString& filter) {
        QString selected = filter.section(";;", 0, 0);
        const QString name =
            QFileDialog::getSaveFileName(parent, QString(), QString(), filter, &selected);
        return withFilterExtension(name, selected);
    };
    dialogs.confirm = [](QWidget* parent, const QString& question) {
        return QMessageBox::question(parent, QString(), question) == QMessageBox::Yes;
    };
    dialogs.setupPrinter = [](QPrinter& printer, QWidget* parent) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    return dialogs;
}

}  // namespace common
