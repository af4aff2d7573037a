#pragma once

#include <QWidget>
#include <optional>

#include "fendrolas/methods/readers.h"

class QLabel;

namespace common {
class Canvas;
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

    common::Canvas* quChart() const { return quChart_; }
    common::Canvas* nuChart() const { return nuChart_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::optional<ComparisonData> shown_;
    common::Canvas* quChart_;
    common::Canvas* nuChart_;
};

}  // namespace fendrolas
