#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "common/messages.h"
#include "common/ui/filedialogs.h"
#include "common/ui/pdfexport.h"
#include "marvecos/model/modelslices.h"
#include "marvecos/resultfiles.h"
#include "marvecos/ui/intersliceview.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace marvecos {

// "Resultados": the boundary points, the slices and the iteration of the last calculation in
// three grids, read back from "coords.tmp" and "results.tmp", with the factor of safety.
class Form2 : public QWidget {
    Q_OBJECT

public:
    // tempFolder holds the two files.
    Form2(std::string tempFolder, common::MessageSink& messages, QWidget* mainWindow);

    // The "Resultados" button: loads the window if it is not loaded, then shows it.
    void resultados();
    // The end of a calculation: its title, and the tables read afresh so that they are the
    // tables of this calculation, whether the window is open or not.
    void showCalculation(const QString& title);
    // "Volver": unloads the window; the next time it is needed it reads the files again.
    void volver();
    // "Guardar": the grids as a CSV file; "Imprimir": the grids on a printer, the PDF report on a
    // printer set to write a PDF file.
    bool guardar();
    bool imprimir();
    // The selected cells of a grid onto the clipboard, tab between columns, a line per row.
    void copySelection(QTableWidget* grid);

    // What each slice carries on the ground model of the last calculation, shown in a fourth
    // grid; nothing for a slope with none of the model's inputs.
    void setModelSlices(std::optional<ModelSlices> slices);
    void setFileDialogs(common::FileDialogs dialogs) { dialogs_ = std::move(dialogs); }
    // "Exportar PDF...": the main window gives how its report is written.
    void setPdfReport(common::PdfReportWriter write) { writePdf_ = std::move(write); }
    void exportarPdf();

    bool isLoaded() const { return loaded_; }
    QTableWidget* coordinatesGrid() const { return grids_[0]; }
    QTableWidget* slicesGrid() const { return grids_[1]; }
    QTableWidget* iterationGrid() const { return grids_[2]; }
    QTableWidget* modelGrid() const { return modelGrid_; }
    QLabel* fsLabel() const { return fsLabel_; }
    // "Fuerzas entre dovelas": enabled after Spencer or Morgenstern-Price.
    QPushButton* interSliceButton() const { return interSliceButton_; }
    InterSliceView* interSliceView() const { return interSliceView_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Reads both files and fills the grids and the value label; on any failure says so and
    // leaves the window unloaded.
    bool load();
    void fill(const ResultTables& t);
    void clear();
    void fillModelGrid();
    void placeBottomRow();

    std::string tempFolder_;
    common::MessageSink& messages_;
    QWidget* mainWindow_;
    std::array<QTableWidget*, 3> grids_{};
    QLabel* fsLabel_ = nullptr;
    QGroupBox* modelBox_ = nullptr;
    QTableWidget* modelGrid_ = nullptr;
    std::vector<QWidget*> bottomRow_;
    std::optional<ResultTables> tables_;
    std::optional<ModelSlices> modelSlices_;
    common::FileDialogs dialogs_ = common::FileDialogs::standard();
    bool loaded_ = false;
    // The interslice forces and the F-lambda chart of the last run, when it has them.
    void loadInterSlice();
    QPushButton* interSliceButton_ = nullptr;
    InterSliceView* interSliceView_ = nullptr;
    std::optional<InterSliceTables> interSlice_;
    common::PdfReportWriter writePdf_;
};

}  // namespace marvecos
