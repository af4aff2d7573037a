#include "fendrolas/ui/screenshots.h"

#include <QDir>
#include <cstdio>

#include "common/messages.h"
#include "common/ui/about.h"
#include "common/ui/screenshotfiles.h"
#include "common/ui/splash.h"
#include "fendrolas/ui/coefficientdialogs.h"
#include "fendrolas/ui/form1.h"
#include "fendrolas/ui/form2.h"
#include "fendrolas/ui/form3.h"
#include "fendrolas/ui/identity.h"

namespace fendrolas {

namespace {

// A base of 2.5 x 2 m at 1.2 m in a sand with some cohesion, with the water table 1.8 m below
// the surface, under four load states.
void enterSample(Form1& form) {
    common::setFields(
        &form, {
                   {"Text6", "30"},    {"Text7", "10"},    {"Text8", "17"},   {"Text9", "12"},
                   {"Text10", "2.5"},  {"Text11", "2"},    {"Text12", "1.2"}, {"Text13", "1.8"},
                   {"Text14", "20"},   {"Text1_0", "800"}, {"Text2_0", "40"}, {"Text4_0", "120"},
                   {"Text1_1", "600"}, {"Text3_1", "30"},  {"Text5_1", "90"}, {"Text1_2", "1000"},
                   {"Text1_3", "450"}, {"Text2_3", "60"},  {"Text4_3", "60"}, {"Text5_3", "40"},
               });
}

}  // namespace

int takeScreenshots(const QString& directory) {
    QDir target;
    if (!common::screenshotFolder(directory, target)) {
        return 1;
    }
    bool ok = true;

    common::frmSplash splash(fendrolasIdentity());
    ok &= common::saveScreenshot(&splash, target, "splash");
    splash.hide();

    common::RecordingMessages messages;
    Form1 form(&messages);
    enterSample(form);
    form.calcTodo();
    form.selectMethod(kMeyerhof);
    form.calcular();
    ok &= common::saveScreenshot(&form, target, "main");

    form.selectMethod(kBrinchHansen);
    ok &= common::saveScreenshot(form.hansenDialog(), target, "brinch-hansen");
    form.hansenDialog()->hide();
    form.selectMethod(kVesic);
    ok &= common::saveScreenshot(form.vesicDialog(), target, "vesic");
    form.vesicDialog()->hide();

    form.resultados();
    ok &= common::saveScreenshot(form.partialResults(), target, "partial-results");
    form.partialResults()->volver();

    form.comparar();
    if (form.comparisonWindow() != nullptr) {
        ok &= common::saveScreenshot(form.comparisonWindow(), target, "comparison");
    } else {
        ok = false;
    }

    form.acercaDe();
    ok &= common::saveScreenshot(form.aboutWindow(), target, "about");

    for (const common::Message& m : messages.shown) {
        std::fprintf(stderr, "%s: %s\n", m.title.c_str(), m.text.c_str());
    }
    return ok ? 0 : 1;
}

}  // namespace fendrolas
