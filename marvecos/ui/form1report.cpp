// The main window's PDF report and the picture of its drawing.
#include <QAction>
#include <QBuffer>
#include <QPushButton>

#include "common/safefile.h"
#include "common/ui/figurepicture.h"
#include "common/ui/pdfexport.h"
#include "marvecos/methods/slicemethod.h"
#include "marvecos/program.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/form2.h"
#include "marvecos/ui/pdfreport.h"

namespace marvecos {

namespace {

// The picture: 170 mm across at 300 dpi, three quarters as tall.
constexpr int kPictureWidth = 2008;
constexpr int kPictureHeight = 1506;
constexpr double kPictureDpi = 300;

}  // namespace

void Form1::buildReportEntries(QWidget* central) {
    auto* pdf = new QPushButton("Exportar PDF...", central);
    pdf->setObjectName("ExportarPdf");
    pdf->setGeometry(352, 496, 138, 32);
    connect(pdf, &QPushButton::clicked, this, &Form1::exportarPdf);

    auto* picture = new QAction("Guardar imagen...", canvas_);
    picture->setObjectName("GuardarImagen");
    canvas_->addAction(picture);
    canvas_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(picture, &QAction::triggered, this, &Form1::guardarImagen);

    form2_->setPdfReport([this](const std::string& path, std::string* error) {
        if (!lastReport_) {
            return false;
        }
        SlopeReport report = *lastReport_;
        report.methodReport = methodReportText(folders_.work, report.data.problem.method);
        return writePdfReport(path, report, error);
    });
}

// What the report needs of a calculation, kept as it ran: later edits of the fields do not
// reach a report of these results.
void Form1::keepReport(const GroundModel& model, const MethodOutcome& outcome) {
    SlopeReport report;
    report.data = SlopeData{readSlopeInput(fields_, methodButtons()), model};
    report.fsText = outcome.valueLabel;
    report.resultsTitle = outcome.resultsTitle;
    if (searching_) {
        report.search = lastSearch_;
    }
    report.dataFile = fileName_.toStdString();
    lastReport_ = std::move(report);
}

void Form1::exportarPdf() {
    if (!lastReport_) {
        messages_->show("No hay resultados para el informe: calcule primero.", kProgramTitle,
                        common::MessageIcon::None);
        return;
    }
    SlopeReport report = *lastReport_;
    report.methodReport = methodReportText(folders_.work, report.data.problem.method);
    common::exportPdf(this, dialogs_, *messages_,
                      [&report](const std::string& path, std::string* error) {
                          return writePdfReport(path, report, error);
                      });
}

void Form1::guardarImagen() {
    const std::optional<SlopeData> data = slopeData();
    if (!data) {
        return;
    }
    const QString name = dialogs_.saveFile(this, common::kPictureFilter);
    if (name.isEmpty()) {
        return;
    }
    const std::optional<SearchResult> search =
        searchMapLayer().shown() ? lastSearch_ : std::optional<SearchResult>();
    QByteArray bytes;
    if (name.endsWith(".svg", Qt::CaseInsensitive)) {
        bytes = slopeSvg(*data, search, kPictureWidth, kPictureHeight, kPictureDpi);
    } else {
        const QImage image =
            slopePicture(*data, search, kPictureWidth, kPictureHeight, kPictureDpi);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.isNull()) {
            image.save(&buffer, "PNG");
        }
    }
    if (bytes.isEmpty() || !common::writeFileSafely(name.toStdString(), bytes.toStdString())) {
        messages_->show("No se pudo guardar la imagen " + name.toStdString(), "ERROR",
                        common::MessageIcon::Critical);
    }
}

}  // namespace marvecos
