#pragma once

#include <string>
#include <vector>

class QPrinter;

namespace common {

// Prints report lines in a fixed-pitch font, as many lines to a page as fit. False when the
// printer could not be opened or a new page could not be started.
bool printReport(QPrinter& printer, const std::vector<std::string>& lines);

}  // namespace common
