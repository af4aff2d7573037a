#include <QApplication>
#include <cstring>
#include <iostream>

#include "common/ui/logo.h"
#include "common/ui/startup.h"
#include "common/version.h"
#include "fendrolas/batch.h"
#include "fendrolas/ui/form1.h"
#include "fendrolas/ui/identity.h"
#include "fendrolas/ui/screenshots.h"

int main(int argc, char* argv[]) {
    if (common::printedVersion(argc, argv, "fendrolas", std::cout)) {
        return 0;
    }
    // Batch mode and the help text need no window system.
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--batch") == 0 || std::strcmp(argv[k], "--help") == 0 ||
            std::strcmp(argv[k], "-h") == 0) {
            return fendrolas::runBatch(argc, argv);
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
