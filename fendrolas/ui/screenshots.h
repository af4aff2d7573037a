#pragma once

#include <QString>

namespace fendrolas {

// Renders every window of the program to PNG files in `directory` after a sample calculation
// run in the current folder. Returns the process exit code.
int takeScreenshots(const QString& directory);

}  // namespace fendrolas
