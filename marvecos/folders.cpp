#include "marvecos/folders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace marvecos {

namespace {

bool writableFolder(const std::string& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

std::string userDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') {
        return pathIn(dataHome, "marvecos");
    }
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0') {
        return pathIn(pathIn(home, ".local/share"), "marvecos");
    }
    return {};
}

}  // namespace

std::string pathIn(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool isInstalledProgramFolder(const std::string& programFolder) {
    std::filesystem::path folder = std::filesystem::path(programFolder).lexically_normal();
    if (folder.filename().empty()) {
        folder = folder.parent_path();  // "PREFIX/bin/"
    }
    std::error_code ec;
    return std::filesystem::is_directory(folder.parent_path() / "share" / "geotecnia", ec);
}

std::string temporaryFolder(const std::string& programFolder) {
    const bool installed = isInstalledProgramFolder(programFolder);
    if (!installed && writableFolder(programFolder)) {
        return programFolder;
    }
    const std::string data = userDataFolder();
    if (data.empty()) {
        // Nowhere better. An installed program still keeps out of its own folder (root could
        // write there); in a build tree the write fails and is reported.
        return installed ? "." : programFolder;
    }
    std::error_code ec;
    std::filesystem::create_directories(data, ec);
    return data;
}

std::string programFolderOf(const char* argv0) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && self.has_parent_path()) {
        return self.parent_path().string();
    }
    const std::filesystem::path given(argv0 ? argv0 : "");
    if (given.has_parent_path()) {
        return std::filesystem::absolute(given.parent_path(), ec).string();
    }
    return ".";
}

}  // namespace marvecos
