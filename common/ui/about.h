#pragma once

#include <QDialog>
#include <QStringList>

#include "common/messages.h"
#include "common/ui/programidentity.h"

namespace common {

// The About window: title, version, description and credits, "Aceptar" and "&Información...".
// Modeless; the owner keeps one and raises it when asked again.
// A short summary in Spanish: operating system, kernel, Qt version, screen.
QString systemSummary();

class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(const ProgramIdentity& identity, MessageSink& messages, QWidget* parent = nullptr);

    // The programs tried, in order, by "&Información...".
    void setSystemInfoTools(const QStringList& programs) { tools_ = programs; }
    // Starts the first system-information tool found; otherwise shows systemSummary().
    void startSystemInfo();

private:
    MessageSink& messages_;
    QStringList tools_;
};

}  // namespace common
