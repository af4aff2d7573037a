#pragma once

namespace fendrolas {

// The program without its window: "fendrolas --batch FILE.dat ..." (see --help).
// Returns the process exit code.
int runBatch(int argc, char* argv[]);

}  // namespace fendrolas
