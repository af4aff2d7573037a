#pragma once

#include <QString>
#include <functional>
#include <string>

#include "common/messages.h"
#include "common/ui/filedialogs.h"

class QWidget;

namespace common {

inline const char* const kPdfFilter = "Informe PDF (*.pdf);;Todos los archivos (*.*)";

// Writes a program's PDF report to the file; false with the reason in *error.
using PdfReportWriter = std::function<bool(const std::string& path, std::string* error)>;

// "Exportar PDF...": asks for the file's name and writes the report there. A cancelled dialog
// does nothing; a failure is reported and leaves an old file as it was.
void exportPdf(QWidget* parent, const FileDialogs& dialogs, MessageSink& messages,
               const PdfReportWriter& write);

// The same once the name is known ("" = cancelled).
void exportPdfTo(const QString& fileName, MessageSink& messages, const PdfReportWriter& write);

}  // namespace common
