#pragma once

#include <string>
#include <vector>

namespace common {

// One line of a text file or printer page, built item by item. add() writes an item directly
// after the previous one; zone() starts it at the next 14-character print zone (columns 1, 15,
// 29, 43, ...). text() gives the line without trailing blanks and without a line end.
class PrintLine {
public:
    PrintLine& add(const std::string& item);
    PrintLine& zone(const std::string& item);
    // Moves to the given 1-based column (padding with blanks) if the line is not past it.
    PrintLine& column(int col);
    std::string text() const;

private:
    std::string line_;
    // First column an item placed by zone() may use: an empty item still takes up its zone.
    std::size_t nextZoneFrom_ = 0;
};

constexpr int kPrintZoneWidth = 14;

// Lines joined with CR LF after each one: the content of a text file.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace common
