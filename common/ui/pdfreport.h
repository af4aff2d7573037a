#pragma once

#include <QByteArray>
#include <QImage>
#include <string>
#include <vector>

#include "common/figure.h"

namespace common {

// What every page's head says: "PROGRAM  Versión X.Y.Z", the data file's name when there is one,
// and the date and time of the report.
struct ReportIdentity {
    std::string program;   // "FENDROLAS"
    std::string version;   // "Versión 1.0.0"
    std::string dataFile;  // empty when the data were not read from a file
    std::string dateTime;  // empty: now, as "dd/MM/yyyy hh:mm"
};

// A PDF report on A4 with 20 mm margins: headings, blocks of monospaced lines (split across
// pages as they come) and figures, each page with its head and "Página N de M" at its foot.
// The report is built whole in memory and written through the safe writer, so a failed write
// leaves the old file.
class PdfReport {
public:
    explicit PdfReport(ReportIdentity identity);
    ~PdfReport();
    PdfReport(const PdfReport&) = delete;
    PdfReport& operator=(const PdfReport&) = delete;

    void heading(const std::string& text);
    void lines(const std::vector<std::string>& lines);
    // A figure `heightMm` tall across the page's width, with its caption under it.
    void figure(const Figure& figure, double heightMm, const std::string& caption);
    // A picture drawn by other means (at 300 dpi for print), scaled into a box `heightMm` tall
    // across the page's width, its proportions kept, with its caption under it.
    void image(const QImage& picture, double heightMm, const std::string& caption);
    void pageBreak();

    int pageCount() const;
    QByteArray render() const;
    // False (with the reason in *error) when the file could not be written.
    bool write(const std::string& path, std::string* error = nullptr) const;

private:
    struct Block;
    struct Placed;
    std::vector<Placed> layout(int& pages) const;

    ReportIdentity identity_;
    std::vector<Block> blocks_;
};

}  // namespace common
