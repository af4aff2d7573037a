#pragma once

#include <string>
#include <vector>

namespace common {

// A colour as red, green and blue from 0 to 255.
struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{200, 0, 0};
inline constexpr Rgb kBlue{0, 0, 200};
inline constexpr Rgb kWaterBlue{70, 130, 230};
inline constexpr Rgb kGreen{0, 140, 0};
inline constexpr Rgb kGrey{128, 128, 128};

struct FigurePoint {
    double x = 0, y = 0;
    bool operator==(const FigurePoint&) const = default;
};

// Where a text stands against its point: left, centre or right of it, vertically centred.
enum class TextAnchor { Left, Centre, Right };

// One thing drawn: a line, an arrow (line with a head at its second point), a closed polygon,
// a circle or a text. Every position is in the figure's own units (metres, or chart units).
struct FigureMark {
    enum class Kind { Line, Arrow, Polygon, Circle, Text };
    Kind kind = Kind::Line;
    std::vector<FigurePoint> points;
    double radius = 0;
    std::string text;
    TextAnchor anchor = TextAnchor::Left;
    Rgb stroke = kBlack;
    bool filled = false;
    Rgb fill = kWhite;
    bool dashed = false;
};

// A drawing without a window system (an empty figure has no box and draws nothing): its marks in
// user units with y upwards, and the box of user coordinates it shows. With equal scales a metre is
// as long across as it is down, and the box is centred in whatever space the drawing gets;
// otherwise the box fills that space.
class Figure {
public:
    Figure() = default;
    Figure(double left, double bottom, double right, double top, bool equalScales);

    void line(FigurePoint a, FigurePoint b, Rgb colour = kBlack, bool dashed = false);
    void arrow(FigurePoint from, FigurePoint tip, Rgb colour = kBlack);
    void polygon(const std::vector<FigurePoint>& corners, Rgb stroke, bool filled = false,
                 Rgb fill = kWhite);
    void circle(FigurePoint centre, double radius, Rgb colour, bool filled = false);
    void text(FigurePoint at, const std::string& text, Rgb colour = kBlack,
              TextAnchor anchor = TextAnchor::Left);

    double left() const { return left_; }
    double bottom() const { return bottom_; }
    double right() const { return right_; }
    double top() const { return top_; }
    bool equalScales() const { return equalScales_; }
    const std::vector<FigureMark>& marks() const { return marks_; }
    // A box with width and height above zero, so that the drawing has a scale.
    bool drawable() const;

private:
    double left_ = 0, bottom_ = 0, right_ = 0, top_ = 0;
    bool equalScales_ = false;
    std::vector<FigureMark> marks_;
};

// A rectangle of a page or a picture: its top-left corner, width and height, y downwards.
struct PageBox {
    double x = 0, y = 0, width = 0, height = 0;
};

// Where a user point of the figure lands in the box (y downwards), the arithmetic the painter
// uses for every mark.
FigurePoint placeOnPage(const Figure& figure, const PageBox& box, FigurePoint user);

// The length of one user unit across in the box.
double pageScale(const Figure& figure, const PageBox& box);

}  // namespace common
