#include <QApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "common/ui/logo.h"
#include "common/ui/startup.h"
#include "common/version.h"
#include "drovines/batch.h"
#include "drovines/ui/form1.h"
#include "drovines/ui/identity.h"
#include "drovines/ui/pdfreport.h"
#include "drovines/ui/screenshots.h"

namespace {

bool hasArgument(int argc, char* argv[], const char* wanted) {
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], wanted) == 0) {
            return true;
        }
    }
    return false;
}

int batchMode(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    args.erase(std::find(args.begin(), args.end(), "--batch"));
    if (std::find(args.begin(), args.end(), "--pdf") == args.end()) {
        return drovines::runBatch(args, std::cout, std::cerr);
    }
    // The PDF report needs fonts and a painter: an application without a screen.
    common::useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    return drovines::runBatch(
        args, std::cout, std::cerr,
        [](const std::string& path, const common::FieldTexts& fields, drovines::Method method,
           const drovines::Resultados& resultados, const drovines::Minimums& minimums,
           const std::string& dataFile, std::string* error) {
            const drovines::WallReport report{fields,     method,
                                              resultados, method == drovines::Method::MononobeOkabe,
                                              minimums,   dataFile};
            return drovines::writePdfReport(path, report, error);
        });
}

}  // namespace

int main(int argc, char* argv[]) {
    if (common::printedVersion(argc, argv, "drovines", std::cout)) {
        return 0;
    }
    // Batch mode and the help text need no window system.
    if (hasArgument(argc, argv, "--help") || hasArgument(argc, argv, "-h")) {
        std::cout << drovines::batchHelp();
        return 0;
    }
    if (hasArgument(argc, argv, "--batch")) {
        return batchMode(argc, argv);
    }
    if (!common::displayAvailable()) {
        std::cerr << "La ventana de Drovines no esta disponible: no hay pantalla; "
                     "use el modo por lotes.\n\n"
                  << drovines::batchHelp();
        return 2;
    }

    QApplication app(argc, argv);
    common::installSpanishTranslations(app);
    app.setApplicationName("Drovines");
    app.setWindowIcon(common::drawProgramIcon());

    if (argc > 2 && std::strcmp(argv[1], "--screenshots") == 0) {
        return drovines::takeScreenshots(argv[2]);
    }

    return common::runFromSplash(drovines::drovinesIdentity(),
                                 [] { return new drovines::Form1(); });
}
