#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "common/safefile.h"

namespace marvecos {

// A fresh folder under the system temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "marvecos-XXXXXX");
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    bool has(const std::string& name) const { return std::filesystem::exists(file(name)); }
    std::string read(const std::string& name) const {
        std::string content;
        common::readWholeFile(file(name), content);
        return content;
    }

private:
    std::string path_;
};

// Text with CR LF line ends turned into LF, after checking that no line ends otherwise.
inline std::string unixLines(const std::string& text, bool* onlyCrLf) {
    std::string out;
    *onlyCrLf = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            *onlyCrLf = false;
        }
        out += text[i];
    }
    return out;
}

}  // namespace marvecos
