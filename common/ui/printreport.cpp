#include "common/ui/printreport.h"

#include <QFontDatabase>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace common {

bool printReport(QPrinter& printer, const std::vector<std::string>& lines) {
    printer.setPageMargins(
        QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm),
        QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(8);
    painter.setFont(font);
    const int lineHeight = painter.fontMetrics().lineSpacing();
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int perPage = std::max(1, page.height() / lineHeight);
    int onPage = 0;
    for (const std::string& line : lines) {
        if (onPage == perPage) {
            if (!printer.newPage()) {
                painter.end();
                return false;
            }
            onPage = 0;
        }
        ++onPage;
        painter.drawText(0, onPage * lineHeight, QString::fromStdString(line));
    }
    return painter.end();
}

bool printOrWritePdf(QPrinter& printer, const std::vector<std::string>& lines,
                     const std::function<bool(const std::string& path)>& writePdf) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
        writePdf) {
        return writePdf(printer.outputFileName().toStdString());
    }
    return printReport(printer, lines);
}

}  // namespace common
