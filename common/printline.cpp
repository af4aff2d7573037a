#include "common/printline.h"

namespace common {

namespace {

// Columns a UTF-8 text takes up: continuation bytes do not start a character ("º" is one).
std::size_t columns(const std::string& text) {
    std::size_t count = 0;
    for (const char ch : text) {
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

}  // namespace

void PrintLine::padTo(std::size_t column) {
    const std::size_t used = columns(line_);
    if (used < column) {
        line_.append(column - used, ' ');
    }
}

PrintLine& PrintLine::add(const std::string& item) {
    padTo(pendingColumn_);
    line_ += item;
    return *this;
}

PrintLine& PrintLine::zone(const std::string& item) {
    padTo(pendingColumn_);
    const std::size_t used = columns(line_);
    std::size_t start = 0;  // 0-based column of the next zone
    while (start < used || start < nextZoneFrom_) {
        start += kPrintZoneWidth;
    }
    // An item that filled its zone to the last column would touch the next one; keep them apart
    // so the line reads back as separate numbers.
    if (start > 0 && start == used && line_.back() != ' ') {
        start += kPrintZoneWidth;
    }
    nextZoneFrom_ = start + 1;
    if (item.empty()) {
        return *this;  // the blanks come with the next item, never after the last one
    }
    line_.append(start - used, ' ');
    line_ += item;
    return *this;
}

PrintLine& PrintLine::column(int col) {
    pendingColumn_ = col > 1 ? static_cast<std::size_t>(col - 1) : 0;
    return *this;
}

std::string PrintLine::text() const {
    return line_;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines) {
        content += line;
        content += "\r\n";
    }
    return content;
}

}  // namespace common
