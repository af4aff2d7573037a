#include "common/ui/qtfields.h"

#include <QLineEdit>
#include <QWidget>

namespace common {

QtFields::QtFields(QWidget* window) : window_(window) {}

std::string QtFields::text(const std::string& name) const {
    auto* edit = window_->findChild<QLineEdit*>(QString::fromStdString(name));
    return edit ? edit->text().toStdString() : std::string();
}

void QtFields::setText(const std::string& name, const std::string& text) {
    if (auto* edit = window_->findChild<QLineEdit*>(QString::fromStdString(name))) {
        edit->setText(QString::fromStdString(text));
    }
}

}  // namespace common
