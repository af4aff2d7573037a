#pragma once

#include <QWidget>

#include "common/ui/programidentity.h"

namespace common {

// The first window of a program: title, version, platform, credits and logo. A key press or a
// click on it closes it and emits finished(), upon which the program shows its main window.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(const ProgramIdentity& identity, QWidget* parent = nullptr);

signals:
    void finished();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void leave();
    bool left_ = false;
};

}  // namespace common
