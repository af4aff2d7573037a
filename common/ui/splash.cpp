#include "common/ui/splash.h"

#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "common/ui/logo.h"

namespace common {

namespace {

QLabel* placeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                   int pointSize = 9, bool bold = false,
                   Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(align);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

frmSplash::frmSplash(const ProgramIdentity& identity, QWidget* parent) : QWidget(parent) {
    setObjectName("frmSplash");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(identity.title);
    setWindowIcon(drawProgramIcon());
    setFixedSize(500, 330);
    setFocusPolicy(Qt::StrongFocus);

    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1");
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    frame->setGeometry(6, 6, 488, 318);

    auto* logo = new QLabel(frame);
    logo->setObjectName("imgLogo");
    logo->setPixmap(drawLogo(150, 150));
    logo->setGeometry(16, 40, 150, 150);

    placeLabel(frame, "lblProgram", "Programa:", QRect(190, 24, 120, 20), 10);
    placeLabel(frame, "lblProductName", identity.title, QRect(190, 46, 280, 40), 24, true);
    placeLabel(frame, "lblVersion", identity.versionText(), QRect(190, 92, 280, 20), 10, true);
    placeLabel(frame, "lblPlatform", identity.platform, QRect(190, 114, 280, 20), 10);

    int y = 146;
    for (int k = 0; k < identity.splashCredits.size(); ++k) {
        placeLabel(frame, QString("lblCredit_%1").arg(k), identity.splashCredits[k],
                   QRect(190, y, 290, 18), 8);
        y += 18;
    }
    placeLabel(frame, "lblAuthor", identity.splashAuthor, QRect(16, 220, 460, 18), 8);
    placeLabel(frame, "lblPrompt", "Presione una tecla para continuar", QRect(16, 270, 456, 24), 10,
               true, Qt::AlignCenter);
}

void frmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activateWindow();
    setFocus();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    leave();
}

void frmSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    leave();
}

void frmSplash::leave() {
    // A second key press while the main window comes up must not open it twice.
    if (left_) {
        return;
    }
    left_ = true;
    // The main window comes up first, so that the program never runs without a window.
    emit finished();
    close();
}

}  // namespace common
