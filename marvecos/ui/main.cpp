#include <QApplication>
#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "common/messages.h"
#include "common/ui/logo.h"
#include "common/ui/startup.h"
#include "common/version.h"
#include "marvecos/batch.h"
#include "marvecos/checks.h"
#include "marvecos/folders.h"
#include "marvecos/ui/form1.h"
#include "marvecos/ui/identity.h"
#include "marvecos/ui/pdfreport.h"
#include "marvecos/ui/screenshots.h"

namespace {

int openWindows(int argc, char** argv, const marvecos::SlopeFolders& folders) {
    QApplication app(argc, argv);
    common::installSpanishTranslations(app);
    app.setApplicationName("Marvecos");
    app.setWindowIcon(common::drawProgramIcon());
    if (argc > 2 && std::string(argv[1]) == "--screenshots") {
        return marvecos::takeScreenshots(argv[2]);
    }

    return common::runFromSplash(marvecos::marvecosIdentity(),
                                 [&folders] { return new marvecos::Form1(folders); });
}

// Batch mode; a PDF report needs fonts and a painter: an application without a screen.
int batchMode(int argc, char** argv, const std::vector<std::string>& args,
              const marvecos::SlopeFolders& folders) {
    common::StderrMessages messages(marvecos::kProgramTitle);
    if (std::find(args.begin(), args.end(), "--pdf") == args.end()) {
        return marvecos::runBatch(args, folders, std::cout, std::cerr, messages);
    }
    common::useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const std::string work = folders.work;
    return marvecos::runBatch(args, folders, std::cout, std::cerr, messages,
                              [work](const std::string& path, const marvecos::SlopeData& data,
                                     const marvecos::MethodOutcome& outcome,
                                     const std::optional<marvecos::SearchResult>& search,
                                     const std::string& dataFile, std::string* error) {
                                  marvecos::SlopeReport report{
                                      data,
                                      outcome.valueLabel,
                                      outcome.resultsTitle,
                                      marvecos::methodReportText(work, data.problem.method),
                                      search,
                                      dataFile};
                                  return marvecos::writePdfReport(path, report, error);
                              });
}

}  // namespace

int main(int argc, char** argv) {
    if (common::printedVersion(argc, argv, "marvecos", std::cout)) {
        return 0;
    }
    const std::vector<std::string> args(argv + 1, argv + argc);
    bool batch = false;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << marvecos::batchHelp();
            return 0;
        }
        batch = batch || arg == "--batch";
    }
    marvecos::SlopeFolders folders;
    folders.work = ".";
    folders.temp = marvecos::temporaryFolder(marvecos::programFolderOf(argv[0]));
    if (batch) {
        return batchMode(argc, argv, args, folders);
    }
    const bool screenshots = !args.empty() && args[0] == "--screenshots";
    if ((!args.empty() && !screenshots) || (screenshots && args.size() != 2)) {
        std::cerr << "marvecos: opcion incorrecta: " << args[0] << "\n\n" << marvecos::batchHelp();
        return marvecos::kBatchUsage;
    }
    if (!common::displayAvailable()) {
        std::cerr << "La ventana de Marvecos no esta disponible sin pantalla; use el modo "
                     "--batch.\n\n"
                  << marvecos::batchHelp();
        return marvecos::kBatchUsage;
    }
    return openWindows(argc, argv, folders);
}
