#pragma once

#include "common/fields.h"
#include "common/ui/figureview.h"

namespace fendrolas {

// The sketch of the main window: the plan of the footing with its sides Lx and Ly, and its
// section with the depths df and dw, to scale from the fields as they hold them now. While the
// fields do not describe a footing it shows the sketch that names them.
class FootingDrawing : public common::FigureView {
    Q_OBJECT

public:
    explicit FootingDrawing(QWidget* parent = nullptr);

    void redraw(const common::FieldTexts& fields);
};

}  // namespace fendrolas
