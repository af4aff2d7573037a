#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "common/messages.h"
#include "marvecos/resultfiles.h"
#include "marvecos/ui/intersliceview.h"

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

    bool isLoaded() const { return loaded_; }
    QTableWidget* coordinatesGrid() const { return grids_[0]; }
    QTableWidget* slicesGrid() const { return grids_[1]; }
    QTableWidget* iterationGrid() const { return grids_[2]; }
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

    std::string tempFolder_;
    common::MessageSink& messages_;
    QWidget* mainWindow_;
    std::array<QTableWidget*, 3> grids_{};
    QLabel* fsLabel_ = nullptr;
    bool loaded_ = false;
    // The interslice forces and the F-lambda chart of the last run, when it has them.
    void loadInterSlice();
    QPushButton* interSliceButton_ = nullptr;
    InterSliceView* interSliceView_ = nullptr;
    std::optional<InterSliceTables> interSlice_;
};

}  // namespace marvecos
