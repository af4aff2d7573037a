#pragma once

#include <QByteArray>
#include <QWidget>
#include <functional>
#include <optional>

#include "common/messages.h"
#include "marvecos/intersliceresults.h"

class QLabel;
class QPainter;
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
    // The chart as it is shown, as a picture file's bytes: SVG, or PNG at 300 dpi.
    QByteArray picture(bool svg) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Paints the chart on a painter whose device is `area` pixels (the widget's own size, or a
    // picture scaled from it).
    void paintChart(QPainter& painter, QSize area) const;
    std::optional<InterSliceTables> tables_;
};

// "Fuerzas entre dovelas": the interslice forces of every boundary and the F-lambda chart of
// the last calculation by Spencer or Morgenstern-Price, opened from the results window.
class InterSliceView : public QWidget {
public:
    explicit InterSliceView(QWidget* resultsWindow);
    void show(const InterSliceTables& t);

    // "Guardar imagen..." of the chart asks for a name through askName ("" = cancelled) and
    // reports a failed write through messages.
    void setPictureTools(std::function<QString(const QString& filter)> askName,
                         common::MessageSink& messages);

    QTableWidget* grid() const { return grid_; }
    FactorChart* chart() const { return chart_; }

private:
    QTableWidget* grid_ = nullptr;
    FactorChart* chart_ = nullptr;
    QLabel* summary_ = nullptr;
    std::function<QString(const QString& filter)> askName_;
    common::MessageSink* messages_ = nullptr;

    void savePicture();
};

}  // namespace marvecos
