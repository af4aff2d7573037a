#pragma once

#include <ostream>
#include <string>

namespace common {

// The version of the suite, set by the build ("1.0.0"); every program carries the same one.
std::string suiteVersion();

// "PROGRAM VERSION", the line "--version" prints.
std::string versionLine(const std::string& program);

// When one of the arguments is "--version", prints the version line to out and returns true,
// so that main() can stop before it opens a window or reads anything.
bool printedVersion(int argc, char** argv, const std::string& program, std::ostream& out);

}  // namespace common
