#pragma once

#include "common/fields.h"

class QWidget;

namespace common {

// Field texts of the QLineEdits below a window, found by objectName.
class QtFields : public FieldTexts {
public:
    explicit QtFields(QWidget* window);
    std::string text(const std::string& name) const override;
    void setText(const std::string& name, const std::string& text) override;

private:
    QWidget* window_;
};

}  // namespace common
