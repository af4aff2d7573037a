#include "common/ui/qtmessages.h"

#include <QMessageBox>

namespace common {

QtMessageBoxes::QtMessageBoxes(QWidget* parent, QString programTitle)
    : parent_(parent), programTitle_(std::move(programTitle)) {}

void QtMessageBoxes::show(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
        case MessageIcon::None:
            qicon = QMessageBox::NoIcon;
            break;
        case MessageIcon::Information:
            qicon = QMessageBox::Information;
            break;
        case MessageIcon::Critical:
            qicon = QMessageBox::Critical;
            break;
        case MessageIcon::Warning:
            qicon = QMessageBox::Warning;
            break;
    }
    const QString caption = title.empty() ? programTitle_ : QString::fromStdString(title);
    QMessageBox box(qicon, caption, QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace common
