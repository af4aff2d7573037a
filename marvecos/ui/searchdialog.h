#pragma once

#include <QDialog>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "common/messages.h"
#include "marvecos/model/groundmodel.h"
#include "marvecos/problem.h"
#include "marvecos/search/circlesearch.h"
#include "marvecos/search/searchcsv.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace marvecos {

// "Buscar circulo critico": the grid of centres and radii, prefilled with the default grid of
// the slope, and the search itself, run on other threads while a progress bar moves.
// "Buscar" starts it and the dialog closes accepted when it ends; "Cancelar" stops it (or
// closes the dialog before it starts) and leaves no result.
class SearchDialog : public QDialog {
    Q_OBJECT

public:
    SearchDialog(const SlopeProblem& p, SliceMethod method, common::MessageSink& messages,
                 QWidget* parent = nullptr);
    ~SearchDialog() override;

    // The ground below the soil of the fields that the circles are computed on.
    void setGround(const GroundModel& model) { model_ = model; }
    // Where every circle of the search is written as it goes ("busqueda.csv"); none when empty.
    void setCsvPath(std::string path) { csvPath_ = std::move(path); }
    // True when the last search that ran to its end wrote the whole file.
    bool csvWritten() const { return csvWritten_; }

    void buscar();
    void cancelar();
    bool searching() const { return worker_.joinable(); }

    // The grid as the fields give it; nothing, after a message, when they do not make one.
    std::optional<SearchGrid> gridFromFields();
    // The result of a search that ran to its end.
    const std::optional<SearchResult>& result() const { return result_; }

    void reject() override;

signals:
    void searchEnded();

private:
    void buildFields();
    void setGrid(const SearchGrid& grid);
    void showCircleCount();
    void followSearch();
    void stopSearch();
    void setEditable(bool editable);

    SlopeProblem problem_;
    GroundModel model_;
    std::string csvPath_;
    std::unique_ptr<SearchCsvStream> csv_;
    bool csvWritten_ = false;
    SliceMethod method_;
    common::MessageSink& messages_;

    QLineEdit* x0_ = nullptr;
    QLineEdit* x1_ = nullptr;
    QLineEdit* nx_ = nullptr;
    QLineEdit* y0_ = nullptr;
    QLineEdit* y1_ = nullptr;
    QLineEdit* ny_ = nullptr;
    QLineEdit* r0_ = nullptr;
    QLineEdit* r1_ = nullptr;
    QLineEdit* nr_ = nullptr;
    QCheckBox* perCentre_ = nullptr;
    QLabel* count_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* search_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer* timer_ = nullptr;

    std::thread worker_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> done_{false};
    std::atomic<int> centresDone_{0};
    SearchResult running_;
    std::optional<SearchResult> result_;
};

}  // namespace marvecos
