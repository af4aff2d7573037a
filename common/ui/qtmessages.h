#pragma once

#include <QString>

#include "common/messages.h"

class QWidget;

namespace common {

// Shows each message as a modal QMessageBox with one OK button over the given parent.
class QtMessageBoxes : public MessageSink {
public:
    QtMessageBoxes(QWidget* parent, QString programTitle);
    void show(const std::string& text, const std::string& title, MessageIcon icon) override;

private:
    QWidget* parent_;
    QString programTitle_;
};

}  // namespace common
