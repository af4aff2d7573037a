#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>
#include <string>

#include "marvecos/model/slopefile.h"
#include "marvecos/search/circlesearch.h"

namespace marvecos {

// What the PDF report of a calculation is made of: the slope, its circle, method and ground as
// the calculation read them, the factor of safety as the window shows it, the text of the
// method's report file (the slices and the iteration), the last search when there was one, and
// the data file's name for the page heads ("" when the data were typed).
struct SlopeReport {
    SlopeData data;
    std::string fsText;
    std::string resultsTitle;
    std::string methodReport;
    std::optional<SearchResult> search;
    std::string dataFile;
};

// The drawing of the report: the ground model, the circle and its slices (and the map of the
// search) to equal scales, zoomed to show the whole problem, painted by the window's own layers
// on a picture of the given size in pixels at the given resolution.
QImage slopePicture(const SlopeData& data, const std::optional<SearchResult>& search, int width,
                    int height, double dpi);

// The same drawing as an SVG picture of that size; empty when there is nothing to draw.
QByteArray slopeSvg(const SlopeData& data, const std::optional<SearchResult>& search, int width,
                    int height, double dpi);

// Writes the PDF report; false (with the reason in *error) when the file could not be written,
// and an old file is then left as it was.
bool writePdfReport(const std::string& path, const SlopeReport& report,
                    std::string* error = nullptr);

// "Bishop.out" or "Janbu.out": the report file of the problem's method in the folder.
std::string methodReportText(const std::string& workFolder, int method);

}  // namespace marvecos
