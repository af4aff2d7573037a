#include "common/ui/screenshotfiles.h"

#include <QApplication>
#include <QBuffer>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>

#include "common/safefile.h"

namespace common {

void setFields(QWidget* window, const std::vector<std::pair<const char*, const char*>>& texts) {
    for (const auto& [name, text] : texts) {
        if (auto* edit = window->findChild<QLineEdit*>(name)) {
            edit->setText(text);
        }
    }
}

bool screenshotFolder(const QString& directory, QDir& folder) {
    folder = QDir(directory);
    if (!folder.exists() && !QDir().mkpath(directory)) {
        std::fprintf(stderr, "No se pudo crear la carpeta %s\n", qPrintable(directory));
        return false;
    }
    return true;
}

bool saveScreenshot(QWidget* window, const QDir& folder, const QString& name) {
    window->show();
    QApplication::processEvents();
    const QString path = folder.filePath(name + ".png");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!window->grab().save(&buffer, "PNG") ||
        !writeFileSafely(path.toStdString(), png.toStdString())) {
        std::fprintf(stderr, "No se pudo guardar %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace common
