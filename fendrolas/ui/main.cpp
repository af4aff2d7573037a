#include <QApplication>
#include <QGuiApplication>
#include <cstring>
#include <iostream>

#include "common/ui/logo.h"
#include "common/ui/startup.h"
#include "common/version.h"
#include "fendrolas/batch.h"
#include "fendrolas/ui/form1.h"
#include "fendrolas/ui/identity.h"
#include "fendrolas/ui/pdfreport.h"
#include "fendrolas/ui/screenshots.h"

namespace {

// Batch mode: a PDF report needs fonts and a painter, so it gets an application without a screen.
int runBatch(int argc, char* argv[]) {
    if (!fendrolas::batchWantsPdf(argc, argv)) {
        return fendrolas::runBatch(argc, argv);
    }
    common::useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    return fendrolas::runBatch(
        argc, argv,
        [](const std::string& path, const fendrolas::Driver& driver,
           const common::FieldTexts& fields, const std::string& dataFile, std::string* error) {
            return fendrolas::writePdfReport(path, {fields, driver.tables(), "", dataFile}, error);
        });
}

}  // namespace

int main(int argc, char* argv[]) {
    if (common::printedVersion(argc, argv, "fendrolas", std::cout)) {
        return 0;
    }
    // Batch mode and the help text need no window system.
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--batch") == 0 || std::strcmp(argv[k], "--help") == 0 ||
            std::strcmp(argv[k], "-h") == 0) {
            return runBatch(argc, argv);
        }
    }

    if (!common::displayAvailable()) {
        std::cerr << "La ventana de Fendrolas no esta disponible: no hay pantalla; use el modo "
                     "por lotes (fendrolas --help).\n";
        return 1;
    }

    QApplication app(argc, argv);
    common::installSpanishTranslations(app);
    app.setApplicationName("FENDROLAS");
    app.setWindowIcon(common::drawProgramIcon());

    if (argc > 2 && std::strcmp(argv[1], "--screenshots") == 0) {
        return fendrolas::takeScreenshots(argv[2]);
    }

    return common::runFromSplash(fendrolas::fendrolasIdentity(),
                                 [] { return new fendrolas::Form1(); });
}
