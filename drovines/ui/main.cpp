#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "common/version.h"
#include "drovines/batch.h"

int main(int argc, char* argv[]) {
    if (common::printedVersion(argc, argv, "drovines", std::cout)) {
        return 0;
    }
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto asksForHelp = [](const std::string& a) { return a == "--help" || a == "-h"; };
    if (std::any_of(args.begin(), args.end(), asksForHelp)) {
        std::cout << drovines::batchHelp();
        return 0;
    }
    const auto batchFlag = std::find(args.begin(), args.end(), "--batch");
    if (batchFlag == args.end()) {
        std::cerr << "La ventana de Drovines no esta disponible en esta version; "
                     "use el modo por lotes.\n\n"
                  << drovines::batchHelp();
        return 2;
    }
    std::vector<std::string> batchArgs(args.begin(), batchFlag);
    batchArgs.insert(batchArgs.end(), batchFlag + 1, args.end());
    return drovines::runBatch(batchArgs, std::cout, std::cerr);
}
