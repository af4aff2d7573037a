#include <iostream>
#include <string>
#include <vector>

#include "common/messages.h"
#include "common/version.h"
#include "marvecos/batch.h"
#include "marvecos/checks.h"
#include "marvecos/folders.h"

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
    if (!batch) {
        std::cerr << "La ventana de Marvecos no esta disponible en esta version; use el modo "
                     "--batch.\n\n"
                  << marvecos::batchHelp();
        return 2;
    }
    marvecos::SlopeFolders folders;
    folders.work = ".";
    folders.temp = marvecos::temporaryFolder(marvecos::programFolderOf(argv[0]));
    common::StderrMessages messages(marvecos::kProgramTitle);
    return marvecos::runBatch(args, folders, std::cout, std::cerr, messages);
}
