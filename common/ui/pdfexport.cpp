#include "common/ui/pdfexport.h"

namespace common {

void exportPdfTo(const QString& fileName, MessageSink& messages, const PdfReportWriter& write) {
    if (fileName.isEmpty()) {
        return;
    }
    const std::string path = fileName.toStdString();
    std::string error;
    if (!write || !write(path, &error)) {
        messages.show("No se pudo guardar el informe " + path + (error.empty() ? "" : ": ") + error,
                      "ERROR", MessageIcon::Critical);
    }
}

void exportPdf(QWidget* parent, const FileDialogs& dialogs, MessageSink& messages,
               const PdfReportWriter& write) {
    exportPdfTo(dialogs.saveFile(parent, kPdfFilter), messages, write);
}

}  // namespace common
