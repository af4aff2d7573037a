#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "common/fields.h"
#include "common/messages.h"
#include "common/ui/filedialogs.h"
#include "common/ui/pdfexport.h"
#include "fendrolas/methods/frame.h"
#include "fendrolas/report.h"

class QLabel;
class QPrinter;
class QTableWidget;

namespace common {
class FigureView;
}  // namespace common

namespace fendrolas {

// "Resultados parciales": the factors of the last run in three grids, the effective area of each
// load state, and the report of the run to a file or to the printer.
class Form2 : public QWidget, public PartialResultsView {
    Q_OBJECT

public:
    // `fields` are the main window's; `mainWindow` is put out of use while this window is open.
    Form2(common::FieldTexts& fields, common::MessageSink& messages, common::FileDialogs dialogs,
          QWidget* mainWindow, std::string directory = "");

    void printpar(double Nq, double Nc, double Ngamma, const MethodResults& table,
                  int method) override;
    void setMethodNumber(int method) override;
    void setCaption(const std::string& caption) override;
    void open() override;

    // "Volver", "Graficar", "Guardar como", "Imprimir", "Exportar PDF...".
    void volver();
    void graficar();
    void guardarComo();
    void imprimir();
    void exportarPdf();

    // How the PDF report is written; the main window gives it once its driver exists.
    void setPdfReport(common::PdfReportWriter write) { writePdf_ = std::move(write); }

    // The fields as the calculation shown here read them; until set, the main window's.
    void setCalculatedFields(const common::FieldTexts& calculated);

    // The report as it would be written now; empty when "res.sal" cannot be read.
    std::vector<std::string> currentReport();

    QTableWidget* shapeGrid() const { return grids_[0]; }
    QTableWidget* depthGrid() const { return grids_[1]; }
    QTableWidget* inclinationGrid() const { return grids_[2]; }
    common::FigureView* area(int state) const {
        return areas_[static_cast<std::size_t>(state - 1)];
    }
    // The water table of the run: shown only for a run that had one.
    QWidget* waterFrame() const { return waterFrame_; }
    QLabel* waterLabel() const { return waterLabel_; }
    QTableWidget* waterGrid() const { return waterGrid_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFactorLabels();
    void buildGrids();
    void buildAreas();
    void buildWaterFrame();
    void fillWaterFrame(const WaterUsed& water);
    void buildButtons();
    void prepareGrids();
    void placeAreas(double scale, int shift);
    // Draws the effective areas; false when no load state has a load to draw.
    bool drawAreas();

    common::FieldTexts& fields_;
    common::MemoryFields calculated_;
    const common::FieldTexts* source_ = &fields_;
    common::MessageSink& messages_;
    common::FileDialogs dialogs_;
    QWidget* mainWindow_;
    std::string directory_;
    Eccentricities eccentricities_;
    common::PdfReportWriter writePdf_;
    // How far the buttons have moved from their designed places.
    QSize lastShift_{0, 0};
    static constexpr QSize kDesignedSize{790, 596};

    QLabel* label4_ = nullptr;
    std::array<QLabel*, 3> factorLabels_{};
    std::array<QTableWidget*, 3> grids_{};
    std::array<common::FigureView*, kStates> areas_{};
    QWidget* waterFrame_ = nullptr;
    QLabel* waterLabel_ = nullptr;
    QTableWidget* waterGrid_ = nullptr;
};

}  // namespace fendrolas
