#pragma once

#include <QWidget>
#include <optional>

#include "marvecos/intersliceresults.h"

class QLabel;
class QTableWidget;

namespace marvecos {

// The chart of the force and moment factors against lambda: paints the figure of
// factorChartFigure at the widget's size.
class FactorChart : public QWidget {
public:
    explicit FactorChart(QWidget* parent);
    void setTables(const InterSliceTables& t) {
        tables_ = t;
        update();
    }
    FactorChartFigure figure() const;
    QImage render();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<InterSliceTables> tables_;
};

// "Fuerzas entre dovelas": the interslice forces of every boundary and the F-lambda chart of
// the last calculation by Spencer or Morgenstern-Price, opened from the results window.
class InterSliceView : public QWidget {
public:
    explicit InterSliceView(QWidget* resultsWindow);
    void show(const InterSliceTables& t);

    QTableWidget* grid() const { return grid_; }
    FactorChart* chart() const { return chart_; }

private:
    QTableWidget* grid_ = nullptr;
    FactorChart* chart_ = nullptr;
    QLabel* summary_ = nullptr;
};

}  // namespace marvecos
