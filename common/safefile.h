#pragma once

#include <string>

namespace common {

// Writes the whole content to a temporary file in the target's folder and renames it over the
// target only when it is complete, so the old file survives any failure. Returns false (with a
// reason in *error when given) when the file could not be written.
bool writeFileSafely(const std::string& path, const std::string& content,
                     std::string* error = nullptr);

// The same for a file written piece by piece, so that a large file never has to be held in
// memory: the pieces go to a temporary file in the target's folder, which finish() renames
// over the target only when every piece was written. Destroyed without finish(), or after a
// failed piece, it removes the temporary file and leaves the target as it was.
class SafeFileStream {
public:
    explicit SafeFileStream(const std::string& path);
    ~SafeFileStream();
    SafeFileStream(const SafeFileStream&) = delete;
    SafeFileStream& operator=(const SafeFileStream&) = delete;

    // False once any piece could not be written (the later ones are then ignored).
    bool append(const std::string& piece);
    // False (with a reason in *error when given) when the file could not be written.
    bool finish(std::string* error = nullptr);

private:
    std::string path_;
    std::string tempPath_;
    int fd_ = -1;
    bool failed_ = false;
    int errno_ = 0;
};

// Reads a whole file; false when it cannot be opened or is not an ordinary file.
bool readWholeFile(const std::string& path, std::string& content);

}  // namespace common
