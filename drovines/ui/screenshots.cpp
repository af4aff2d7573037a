#include "drovines/ui/screenshots.h"

#include <QCheckBox>
#include <QDir>
#include <cstdio>

#include "common/messages.h"
#include "common/ui/about.h"
#include "common/ui/screenshotfiles.h"
#include "common/ui/splash.h"
#include "drovines/ui/form1.h"
#include "drovines/ui/form2.h"
#include "drovines/ui/identity.h"
#include "drovines/ui/notes.h"

namespace drovines {

namespace {

// A 5 m wall with an inclined back face, a sloping backfill, a surcharge and a water table.
void enterSample(Form1& form) {
    common::setFields(&form, {
                                 {"gam", "17"},
                                 {"fi", "32"},
                                 {"co", "0"},
                                 {"beta", "10"},
                                 {"w", "12"},
                                 {"hn", "1.5"},
                                 {"b1", "1.5"},
                                 {"H", "5"},
                                 {"alfa", "12"},
                                 {"alfa2", "4"},
                                 {"delta", "20"},
                                 {"df", "1.2"},
                                 {"delta2", "28"},
                                 {"gm", "23"},
                                 {"q", "10"},
                             });
}

}  // namespace

int takeScreenshots(const QString& directory) {
    QDir target;
    if (!common::screenshotFolder(directory, target)) {
        return 1;
    }
    bool ok = true;

    common::frmSplash splash(drovinesIdentity());
    ok &= common::saveScreenshot(&splash, target, "drovines-splash");
    splash.hide();

    common::RecordingMessages messages;
    Form1 form(&messages);
    enterSample(form);
    form.selectRankine();
    if (auto* wedge = form.findChild<QCheckBox*>("Check1")) {
        wedge->setChecked(true);
    }
    ok &= common::saveScreenshot(&form, target, "drovines-main");

    form.calcular();
    if (form.resultsWindow()->isVisible()) {
        ok &= common::saveScreenshot(form.resultsWindow(), target, "drovines-results");
    } else {
        ok = false;
    }
    form.resultsWindow()->volver();

    // The same wall under an earthquake.
    form.mononobeOkabe();
    common::setFields(&form, {{"kh", "0.15"}, {"kv", "-0.05"}});
    ok &= common::saveScreenshot(&form, target, "drovines-main-sismo");
    form.calcular();
    if (form.resultsWindow()->isVisible()) {
        ok &= common::saveScreenshot(form.resultsWindow(), target, "drovines-results-sismo");
    } else {
        ok = false;
    }
    form.resultsWindow()->volver();

    form.notas();
    ok &= common::saveScreenshot(form.notesWindow(), target, "drovines-notes");
    form.notesWindow()->hide();

    form.acercaDe();
    ok &= common::saveScreenshot(form.aboutWindow(), target, "drovines-about");

    for (const common::Message& m : messages.shown) {
        std::fprintf(stderr, "%s: %s\n", m.title.c_str(), m.text.c_str());
    }
    return ok ? 0 : 1;
}

}  // namespace drovines
