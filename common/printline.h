#pragma once

#include <string>
#include <vector>

namespace common {

// One line of a text file or printer page, built item by item. add() writes an item directly
// after the previous one; zone() starts it at the next 14-character print zone (columns 1, 15,
// 29, 43, ...). Blanks only ever stand before an item, never after the last one; a number's own
// trailing blank (its print text) is part of the item and stays. text() has no line end.
class PrintLine {
public:
    PrintLine& add(const std::string& item);
    PrintLine& zone(const std::string& item);
    // The next item starts at the given 1-based column if the line is not past it.
    PrintLine& column(int col);
    std::string text() const;

private:
    std::string line_;
    // First column an item placed by zone() may use: an empty item still takes up its zone.
    std::size_t nextZoneFrom_ = 0;
    // Column (0-based) asked for by column(), filled with blanks when the next item comes.
    std::size_t pendingColumn_ = 0;
    void padTo(std::size_t column);
};

constexpr int kPrintZoneWidth = 14;

// Lines joined with CR LF after each one: the content of a text file.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace common
