#pragma once

#include <string>

namespace marvecos {

// Where the slope program writes its files: the traces and reports go to the working folder,
// the two temporary files ("coords.tmp", "results.tmp") that the results window reads back go
// to temporaryFolder().
struct SlopeFolders {
    std::string work = ".";
    std::string temp = ".";
};

// In a build tree, the program's own folder when it can be written. An installed program
// (PREFIX/bin beside PREFIX/share/geotecnia) never writes into its own folder, even as root; it
// and a build whose folder cannot be written use the per-user data folder
// $XDG_DATA_HOME/marvecos or ~/.local/share/marvecos, created if needed. The results window
// reads the temporary files from the same place.
std::string temporaryFolder(const std::string& programFolder);

// True for PREFIX/bin when PREFIX/share/geotecnia exists: the layout `cmake --install` makes.
bool isInstalledProgramFolder(const std::string& programFolder);

// Folder of the running executable (from /proc/self/exe, else from argv[0]).
std::string programFolderOf(const char* argv0);

// folder + "/" + name.
std::string pathIn(const std::string& folder, const std::string& name);

}  // namespace marvecos
