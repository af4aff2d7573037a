#pragma once

#include <QWidget>
#include <optional>

#include "common/messages.h"
#include "common/ui/filedialogs.h"
#include "common/ui/pdfexport.h"
#include "fendrolas/methods/readers.h"

class QLabel;

namespace common {
class FigureView;
}  // namespace common

namespace fendrolas {

// "Comparacion de resultados": the ultimate pressure and the ultimate load of every method and
// load state, side by side.
class Form3 : public QWidget {
    Q_OBJECT

public:
    explicit Form3(QWidget* parent = nullptr);

    // Draws both charts, the qu chart first, then both legends.
    void grafico(const ComparisonData& data);

    // What "Exportar PDF..." and the charts' "Guardar imagen..." need from the main window.
    void setReportTools(common::FileDialogs dialogs, common::MessageSink& messages,
                        common::PdfReportWriter writePdf);
    void exportarPdf();

    common::FigureView* quChart() const { return quChart_; }
    common::FigureView* nuChart() const { return nuChart_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ComparisonData shownData() const;
    std::optional<ComparisonData> shown_;
    common::FigureView* quChart_;
    common::FigureView* nuChart_;
    common::FileDialogs dialogs_;
    common::MessageSink* messages_ = nullptr;
    common::PdfReportWriter writePdf_;
};

}  // namespace fendrolas
