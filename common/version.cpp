#include "common/version.h"

#include <string_view>

namespace common {

std::string suiteVersion() {
    return GEOTECNIA_VERSION;
}

std::string versionLine(const std::string& program) {
    return program + " " + suiteVersion();
}

bool printedVersion(int argc, char** argv, const std::string& program, std::ostream& out) {
    for (int k = 1; k < argc; ++k) {
        if (std::string_view(argv[k]) == "--version") {
            out << versionLine(program) << '\n';
            return true;
        }
    }
    return false;
}

}  // namespace common
