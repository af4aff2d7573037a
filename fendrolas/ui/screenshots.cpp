#include "fendrolas/ui/screenshots.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>

#include "common/messages.h"
#include "common/safefile.h"
#include "common/ui/about.h"
#include "common/ui/splash.h"
#include "fendrolas/ui/coefficientdialogs.h"
#include "fendrolas/ui/form1.h"
#include "fendrolas/ui/form2.h"
#include "fendrolas/ui/form3.h"
#include "fendrolas/ui/identity.h"

namespace fendrolas {

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

// A base of 2.5 x 2 m at 1.2 m in a sand with some cohesion, under four load states.
void enterSample(Form1& form) {
    const char* const values[][2] = {
        {"Text6", "30"},   {"Text7", "10"},     {"Text8", "17"},    {"Text9", "12"},
        {"Text10", "2.5"}, {"Text11", "2"},     {"Text12", "1.2"},  {"Text1_0", "800"},
        {"Text2_0", "40"}, {"Text4_0", "120"},  {"Text1_1", "600"}, {"Text3_1", "30"},
        {"Text5_1", "90"}, {"Text1_2", "1000"}, {"Text1_3", "450"}, {"Text2_3", "60"},
        {"Text4_3", "60"}, {"Text5_3", "40"},
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

    common::frmSplash splash(fendrolasIdentity());
    ok &= save(&splash, target, "splash");
    splash.hide();

    common::RecordingMessages messages;
    Form1 form(&messages);
    enterSample(form);
    form.calcTodo();
    form.selectMethod(kMeyerhof);
    form.calcular();
    ok &= save(&form, target, "main");

    form.selectMethod(kBrinchHansen);
    ok &= save(form.hansenDialog(), target, "brinch-hansen");
    form.hansenDialog()->hide();
    form.selectMethod(kVesic);
    ok &= save(form.vesicDialog(), target, "vesic");
    form.vesicDialog()->hide();

    form.resultados();
    ok &= save(form.partialResults(), target, "partial-results");
    form.partialResults()->volver();

    form.comparar();
    if (form.comparisonWindow() != nullptr) {
        ok &= save(form.comparisonWindow(), target, "comparison");
    } else {
        ok = false;
    }

    form.acercaDe();
    ok &= save(form.aboutWindow(), target, "about");

    for (const common::Message& m : messages.shown) {
        std::fprintf(stderr, "%s: %s\n", m.title.c_str(), m.text.c_str());
    }
    return ok ? 0 : 1;
}

}  // namespace fendrolas
