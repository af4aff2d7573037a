#pragma once

#include <QString>

namespace marvecos {

// Renders the splash, the main window after a Bishop calculation of a sample slope and the
// results window of that calculation to PNG files in `directory`. The calculation's files go
// to the current folder. Returns the process exit code.
int takeScreenshots(const QString& directory);

}  // namespace marvecos
