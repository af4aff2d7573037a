#include "common/ui/about.h"

#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QSysInfo>

#include "common/ui/logo.h"

namespace common {

namespace {

QLabel* placeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                   int pointSize = 9, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

frmAbout::frmAbout(const ProgramIdentity& identity, MessageSink& messages, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      tools_{"hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor"} {
    setObjectName("frmAbout");
    setModal(false);
    setWindowTitle("Acerca de " + identity.title);
    const QIcon icon = drawProgramIcon();
    setWindowIcon(icon);
    setFixedSize(420, 260);

    auto* picture = new QLabel(this);
    picture->setObjectName("picIcon");
    picture->setPixmap(icon.pixmap(48, 48));
    picture->setGeometry(16, 16, 48, 48);

    placeLabel(this, "lblTitle", identity.title, QRect(84, 14, 320, 28), 14, true);
    placeLabel(this, "lblVersion", identity.versionText(), QRect(84, 44, 320, 18));
    placeLabel(this, "lblDescription", identity.description, QRect(84, 68, 320, 40));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(10, 116, 400, 4);

    int y = 126;
    for (int k = 0; k < identity.aboutCredits.size(); ++k) {
        placeLabel(this, QString("lblDisclaimer_%1").arg(k), identity.aboutCredits[k],
                   QRect(16, y, 270, 36), 8);
        y += 36;
    }

    auto* ok = new QPushButton("Aceptar", this);
    ok->setObjectName("cmdOK");
    ok->setGeometry(304, 170, 100, 26);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    auto* info = new QPushButton("&Información...", this);
    info->setObjectName("cmdSysInfo");
    info->setGeometry(304, 206, 100, 26);
    connect(info, &QPushButton::clicked, this, &frmAbout::startSystemInfo);
}

void frmAbout::startSystemInfo() {
    for (const QString& tool : tools_) {
        const QString path = QStandardPaths::findExecutable(tool);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) {
            return;
        }
    }
    messages_.show(systemSummary().toStdString(), "Informacion del sistema",
                   MessageIcon::Information);
}

QString systemSummary() {
    QString text = "Sistema operativo: " + QSysInfo::prettyProductName() + "\n" +
                   "Nucleo: " + QSysInfo::kernelType() + " " + QSysInfo::kernelVersion() + "\n" +
                   "Arquitectura: " + QSysInfo::currentCpuArchitecture() + "\n" +
                   "Version de Qt: " + QString(qVersion()) + "\n" +
                   "Plataforma grafica: " + QGuiApplication::platformName();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        text += QString("\nPantalla: %1 x %2 pixeles").arg(size.width()).arg(size.height());
    }
    return text;
}

}  // namespace common
