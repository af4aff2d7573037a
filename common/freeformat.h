#pragma once

#include <optional>
#include <string>
#include <vector>

namespace common {

// Reads numbers in order from a text, each ended by a blank, tab, comma or line end; the line
// structure does not matter. A token that is not a number, or the end of the text, is a read
// error that the caller sees as a false return.
class FreeFormatReader {
public:
    explicit FreeFormatReader(std::string content);
    // Reads the whole file; nullopt when it cannot be opened.
    static std::optional<FreeFormatReader> fromFile(const std::string& path);

    bool readNumber(double& value);
    bool readNumbers(std::vector<double>& values, std::size_t count);
    // Next raw token (for files that hold words as well as numbers).
    bool readToken(std::string& token);
    // Rest of the current line, without its line end (for files read line by line).
    bool readLine(std::string& line);
    bool atEnd() const;

private:
    std::string content_;
    std::size_t pos_ = 0;
};

}  // namespace common
