#pragma once

#include <QWidget>

namespace fendrolas {

// The fixed sketch of the main window: the plan of the footing with its sides Lx and Ly, and
// its section under the column with the depth df below the hatched ground surface.
class FootingDrawing : public QWidget {
    Q_OBJECT

public:
    explicit FootingDrawing(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace fendrolas
