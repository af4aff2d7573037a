#include "marvecos/folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tempfolder.h"

namespace marvecos {
namespace {

namespace fs = std::filesystem;

// Sets or clears an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value) {
            ::setenv(name, value->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// PREFIX/bin and PREFIX/share/geotecnia, as an installation lays them out.
std::string installedBin(const TempFolder& prefix) {
    fs::create_directories(prefix.file("bin"));
    fs::create_directories(prefix.file("share/geotecnia/examples"));
    return prefix.file("bin");
}

TEST(InstalledFolder, RecognisedByTheSharedFolderBesideBin) {
    TempFolder prefix;
    fs::create_directories(prefix.file("bin"));
    fs::create_directories(prefix.file("share/otro"));
    EXPECT_FALSE(isInstalledProgramFolder(prefix.file("bin")));
    installedBin(prefix);
    EXPECT_TRUE(isInstalledProgramFolder(prefix.file("bin")));
    EXPECT_TRUE(isInstalledProgramFolder(prefix.file("bin/")));
}

TEST(InstalledFolder, WritableInstallationIsNotUsedForTheTemporaryFiles) {
    // Root can write into PREFIX/bin; the files still go to the user's data folder.
    TempFolder prefix, data;
    const std::string bin = installedBin(prefix);
    ScopedEnv xdg("XDG_DATA_HOME", data.path());
    const std::string chosen = temporaryFolder(bin);
    EXPECT_EQ(chosen, data.file("marvecos"));
    EXPECT_TRUE(fs::is_directory(chosen));
}

TEST(InstalledFolder, DataFolderFromHomeWhenXdgIsUnsetOrRelative) {
    TempFolder prefix, home;
    const std::string bin = installedBin(prefix);
    ScopedEnv homeVar("HOME", home.path());
    {
        ScopedEnv xdg("XDG_DATA_HOME", std::nullopt);
        EXPECT_EQ(temporaryFolder(bin), home.file(".local/share/marvecos"));
    }
    ScopedEnv xdg("XDG_DATA_HOME", std::string("relativo"));
    EXPECT_EQ(temporaryFolder(bin), home.file(".local/share/marvecos"));
    EXPECT_FALSE(fs::exists(bin + "/relativo"));
}

TEST(InstalledFolder, WithoutAnyUserFolderTheWorkingFolderNotTheInstallation) {
    TempFolder prefix, build;
    const std::string bin = installedBin(prefix);
    ScopedEnv homeVar("HOME", std::nullopt);
    ScopedEnv xdg("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(temporaryFolder(bin), ".");
    // A build tree keeps its own folder.
    EXPECT_EQ(temporaryFolder(build.path()), build.path());
}

}  // namespace
}  // namespace marvecos
