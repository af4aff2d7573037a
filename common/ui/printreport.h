#pragma once

#include <functional>
#include <string>
#include <vector>

class QPrinter;

namespace common {

// Margins of every printed page, in millimetres.
constexpr double kPrintMarginMm = 20;

// Prints report lines in a fixed-pitch font inside 20 mm margins, as many lines to a page as
// fit. False when the printer could not be opened or a new page could not be started.
bool printReport(QPrinter& printer, const std::vector<std::string>& lines);

// What "Imprimir" does once the print dialog is accepted: a printer set to write a PDF file gets
// the PDF report with the drawings (`writePdf` with the file's name); any other printer gets the
// text report, and so does a PDF printer when the program gives no `writePdf`. False when
// either failed.
bool printOrWritePdf(QPrinter& printer, const std::vector<std::string>& lines,
                     const std::function<bool(const std::string& path)>& writePdf);

}  // namespace common
