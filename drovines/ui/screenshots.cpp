#include "drovines/ui/screenshots.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>

#include "common/messages.h"
#include "common/safefile.h"
#include "common/ui/about.h"
#include "common/ui/splash.h"
#include "drovines/ui/form1.h"
#include "drovines/ui/form2.h"
#include "drovines/ui/identity.h"
#include "drovines/ui/notes.h"

namespace drovines {

namespace {

bool save(QWidget* window, const QDir& directory, const QString& name) {
    window->show();
    QApplication::processEvents();
    const QString path = directory.filePath("drovines-" + name + ".png");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!window->grab().save(&buffer, "PNG") ||
        !common::writeFileSafely(path.toStdString(), png.toStdString())) {
        std::fprintf(stderr, "No se pudo guardar %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A 5 m wall with an inclined back face, a sloping backfill, a surcharge and a water table.
void enterSample(Form1& form) {
    const char* const values[][2] = {
        {"gam", "17"},   {"fi", "32"},  {"co", "0"},      {"beta", "10"}, {"w", "12"},
        {"hn", "1.5"},   {"b1", "1.5"}, {"H", "5"},       {"alfa", "12"}, {"alfa2", "4"},
        {"delta", "20"}, {"df", "1.2"}, {"delta2", "28"}, {"gm", "23"},   {"q", "10"},
    };
    for (const auto& v : values) {
        if (auto* edit = form.findChild<QLineEdit*>(v[0])) {
            edit->setText(v[1]);
        }
    }
}

}  // namespace

int takeScreenshots(const QString& directory) {
    QDir target(directory);
    if (!target.exists() && !QDir().mkpath(directory)) {
        std::fprintf(stderr, "No se pudo crear la carpeta %s\n", qPrintable(directory));
        return 1;
    }
    bool ok = true;

    common::frmSplash splash(drovinesIdentity());
    ok &= save(&splash, target, "splash");
    splash.hide();

    common::RecordingMessages messages;
    Form1 form(&messages);
    enterSample(form);
    form.selectRankine();
    if (auto* wedge = form.findChild<QCheckBox*>("Check1")) {
        wedge->setChecked(true);
    }
    ok &= save(&form, target, "main");

    form.calcular();
    if (form.resultsWindow()->isVisible()) {
        ok &= save(form.resultsWindow(), target, "results");
    } else {
        ok = false;
    }
    form.resultsWindow()->volver();

    form.notas();
    ok &= save(form.notesWindow(), target, "notes");
    form.notesWindow()->hide();

    form.acercaDe();
    ok &= save(form.aboutWindow(), target, "about");

    for (const common::Message& m : messages.shown) {
        std::fprintf(stderr, "%s: %s\n", m.title.c_str(), m.text.c_str());
    }
    return ok ? 0 : 1;
}

}  // namespace drovines
