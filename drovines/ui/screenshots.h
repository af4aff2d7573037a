#pragma once

#include <QString>

namespace drovines {

// Renders every window of the program to PNG files in `directory` after a sample calculation.
// Returns the process exit code.
int takeScreenshots(const QString& directory);

}  // namespace drovines
