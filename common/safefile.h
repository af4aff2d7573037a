#pragma once

#include <string>

namespace common {

// Writes the whole content to a temporary file in the target's folder and renames it over the
// target only when it is complete, so the old file survives any failure. Returns false (with a
// reason in *error when given) when the file could not be written.
bool writeFileSafely(const std::string& path, const std::string& content,
                     std::string* error = nullptr);

// Reads a whole file; false when it cannot be opened or is not an ordinary file.
bool readWholeFile(const std::string& path, std::string& content);

}  // namespace common
