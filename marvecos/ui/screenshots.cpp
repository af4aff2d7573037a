#include "marvecos/ui/screenshots.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>

#include "common/messages.h"
#include "common/safefile.h"
#include "common/ui/qtfields.h"
#include "common/ui/splash.h"
#include "marvecos/search/circlesearch.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/form2.h"
#include "marvecos/ui/identity.h"
#include "marvecos/ui/searchdialog.h"

namespace marvecos {

namespace {

bool save(QWidget* window, const QDir& directory, const QString& name) {
    window->show();
    QApplication::processEvents();
    const QString path = directory.filePath(name + ".png");
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

// A 10 m slope of a silty clay over 20 m, on a circle entering the crest and leaving the face.
void enterSample(Form1& form) {
    const char* const values[][2] = {
        {"fi", "20"}, {"c", "10"},   {"gam", "18"}, {"H", "10"}, {"L", "20"},
        {"Xcr", "5"}, {"Ycr", "20"}, {"R", "20"},   {"n", "20"},
    };
    for (const auto& v : values) {
        if (auto* edit = form.findChild<QLineEdit*>(v[0])) {
            edit->setText(v[1]);
        }
    }
    form.findChild<QRadioButton*>("Option1")->setChecked(true);
}

}  // namespace

int takeScreenshots(const QString& directory) {
    QDir target(directory);
    if (!target.exists() && !QDir().mkpath(directory)) {
        std::fprintf(stderr, "No se pudo crear la carpeta %s\n", qPrintable(directory));
        return 1;
    }
    bool ok = true;

    common::frmSplash splash(marvecosIdentity());
    ok &= save(&splash, target, "marvecos-splash");
    splash.hide();

    common::RecordingMessages messages;
    SlopeFolders folders;
    folders.work = QDir::currentPath().toStdString();
    folders.temp = folders.work;
    Form1 form(folders, &messages);
    enterSample(form);
    form.calcular();
    form.findChild<QPushButton*>("Command1")->setFocus();
    ok &= save(&form, target, "marvecos-main");

    form.resultados();
    ok &=
        form.resultsWindow()->isVisible() && save(form.resultsWindow(), target, "marvecos-results");
    form.resultsWindow()->hide();

    // The search of the critical circle on the same slope, with slices enough for no warning.
    form.findChild<QLineEdit*>("n")->setText("60");
    const SlopeProblem p = readSlopeInput(common::QtFields(&form), form.methodButtons());
    SearchDialog dialog(p, SliceMethod::Bishop, messages, &form);
    ok &= save(&dialog, target, "marvecos-search-dialog");
    dialog.hide();
    form.applySearch(searchCriticalCircle(SliceMethod::Bishop, p, defaultSearchGrid(p.H, p.L)), p);
    ok &= form.searchMapLayer().shown() && save(&form, target, "marvecos-search");

    for (const common::Message& m : messages.shown) {
        std::fprintf(stderr, "%s: %s\n", m.title.c_str(), m.text.c_str());
    }
    return ok && messages.shown.empty() ? 0 : 1;
}

}  // namespace marvecos
