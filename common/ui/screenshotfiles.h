#pragma once

// What `PROGRAM --screenshots FOLDER` needs in every window program: a sample typed into a
// window's fields, and each window saved as a PNG picture.

#include <QDir>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

namespace common {

// Types each text into the field of that objectName; names the window lacks are passed over.
void setFields(QWidget* window, const std::vector<std::pair<const char*, const char*>>& texts);

// The folder the pictures go to, made when missing. False (and said on stderr) when it cannot be.
bool screenshotFolder(const QString& directory, QDir& folder);

// Shows the window, lets it paint, and saves it as NAME.png in the folder through the safe
// writer. A failure is said on stderr.
bool saveScreenshot(QWidget* window, const QDir& folder, const QString& name);

}  // namespace common
