#include <cstring>

#include "fendrolas/batch.h"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--batch") == 0 || std::strcmp(argv[i], "--help") == 0) {
            return fendrolas::runBatch(argc, argv);
        }
    }
    return fendrolas::runBatch(argc, argv);
}
