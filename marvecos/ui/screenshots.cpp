#include "marvecos/ui/screenshots.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <cstdio>

#include "common/messages.h"
#include "common/ui/qtfields.h"
#include "common/ui/screenshotfiles.h"
#include "common/ui/splash.h"
#include "marvecos/search/circlesearch.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/form2.h"
#include "marvecos/ui/groundeditor.h"
#include "marvecos/ui/identity.h"
#include "marvecos/ui/searchdialog.h"

namespace marvecos {

namespace {

// A 10 m slope of a silty clay over 20 m, on a circle entering the crest and leaving the face.
void enterSample(Form1& form) {
    common::setFields(&form, {
                                 {"fi", "20"},
                                 {"c", "10"},
                                 {"gam", "18"},
                                 {"H", "10"},
                                 {"L", "20"},
                                 {"Xcr", "5"},
                                 {"Ycr", "20"},
                                 {"R", "20"},
                                 {"n", "20"},
                             });
    form.findChild<QRadioButton*>("Option1")->setChecked(true);
}

// A slope over two layers, with ground water ponding in front of the toe, a strip load and a
// line load on the crest, and an earthquake coefficient: the slope file's own words.
const char* const kLayeredSlope =
    "suelo 20 10 18\n"
    "talud 10 20\n"
    "circulo 5 20 21 30\n"
    "metodo bishop\n"
    "capa 28 5 19 -30 5 10 3 40 -1\n"
    "capa 34 0 20 -30 0 60 -3\n"
    "base -8\n"
    "napa -30 6 0 5 20 1 40 1\n"
    "carga -14 -6 20\n"
    "carga-lineal -2 40\n"
    "kh 0.1\n";

}  // namespace

int takeScreenshots(const QString& directory) {
    QDir target;
    if (!common::screenshotFolder(directory, target)) {
        return 1;
    }
    bool ok = true;

    common::frmSplash splash(marvecosIdentity());
    ok &= common::saveScreenshot(&splash, target, "marvecos-splash");
    splash.hide();

    common::RecordingMessages messages;
    SlopeFolders folders;
    folders.work = QDir::currentPath().toStdString();
    folders.temp = folders.work;
    Form1 form(folders, &messages);
    enterSample(form);
    form.calcular();
    form.findChild<QPushButton*>("Command1")->setFocus();
    ok &= common::saveScreenshot(&form, target, "marvecos-main");

    form.resultados();
    ok &= form.resultsWindow()->isVisible() &&
          common::saveScreenshot(form.resultsWindow(), target, "marvecos-results");
    form.resultsWindow()->hide();

    // The search of the critical circle on the same slope, with slices enough for no warning.
    form.findChild<QLineEdit*>("n")->setText("60");
    const SlopeProblem p = readSlopeInput(common::QtFields(&form), form.methodButtons());
    SearchDialog dialog(p, SliceMethod::Bishop, messages, &form);
    ok &= common::saveScreenshot(&dialog, target, "marvecos-search-dialog");
    dialog.hide();
    form.applySearch(searchCriticalCircle(SliceMethod::Bishop, p, defaultSearchGrid(p.H, p.L)), p);
    ok &= form.searchMapLayer().shown() && common::saveScreenshot(&form, target, "marvecos-search");

    // The same window on a layered, wet, loaded slope, and the editor of its ground.
    {
        Form1 layered(folders, &messages);
        const QString path = QDir(QString::fromStdString(folders.work)).filePath("capas.tal");
        QFile file(path);
        ok &= file.open(QIODevice::WriteOnly) && file.write(kLayeredSlope) > 0;
        file.close();
        ok &= layered.abrirArchivo(path);
        layered.scaleSlider()->setValue(3);
        layered.calcular();
        layered.findChild<QPushButton*>("Command1")->setFocus();
        ok &= common::saveScreenshot(&layered, target, "marvecos-main-layers");
        layered.terreno();
        ok &= common::saveScreenshot(layered.groundEditor(), target, "marvecos-ground-editor");
        layered.groundEditor()->hide();
        layered.resultados();
        ok &= common::saveScreenshot(layered.resultsWindow(), target, "marvecos-results-layers");
        layered.resultsWindow()->hide();
    }

    for (const common::Message& m : messages.shown) {
        std::fprintf(stderr, "%s: %s\n", m.title.c_str(), m.text.c_str());
    }
    return ok && messages.shown.empty() ? 0 : 1;
}

}  // namespace marvecos
