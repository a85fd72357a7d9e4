#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"

namespace orvanta {

// Where everything of the aspect table goes. The table is a square grid with one row and one
// column per shown object, labelled with the objects' symbols on all four sides; aspect
// symbols above the diagonal, separations below it, a shaded diagonal, and on the right a wide
// column with each object's degree in its sign, its retrograde mark and its sign picture.
//
// All values are device pixels with y downward, on the screen and on the printer alike, and
// all arithmetic is integer with truncating division. A rectangle covers the pixels from
// left and top up to, not including, right and bottom; a line covers both of its end points.
struct AspectTableLayout {
    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        int width() const { return right - left; }
        int height() const { return bottom - top; }
        friend bool operator==(const Rect&, const Rect&) = default;
    };

    struct Point {
        int x = 0;
        int y = 0;
        friend bool operator==(const Point&, const Point&) = default;
    };

    struct Line {
        int x1 = 0;
        int y1 = 0;
        int x2 = 0;
        int y2 = 0;
        friend bool operator==(const Line&, const Line&) = default;
    };

    // Character cell height and average character width, both in pixels.
    struct FontSize {
        int height = 0;
        int width = 0;
        friend bool operator==(const FontSize&, const FontSize&) = default;
    };

    // An object's symbol as a row or column label.
    struct Label {
        int object = 0;
        Rect picture;
    };

    // One row of the right column. The mark and the degree are written with their top left
    // corner at the point.
    struct RightRow {
        int object = 0;
        Rect cell;
        Rect symbol;
        bool retrograde = false;
        Point mark;
        Point degreePosition;
        std::string degreeText;
        int sign = 0;
        Rect signPicture;
    };

    // The symbol of aspect `aspect` in the cell of the pair, above the diagonal.
    struct AspectSymbol {
        int aspect = 0;
        int earlier = 0;
        int later = 0;
        Rect picture;
    };

    // The separation of a pair below the diagonal, written centred on the point, top aligned.
    struct Separation {
        int earlier = 0;
        int later = 0;
        Rect cell;
        Point textPosition;
        std::string text;
    };

    static constexpr const char* kRetrogradeMark = "R";

    // The grid measures (named as in the description of the table).
    int g = 0;  // shown objects
    int t = 0;  // row height
    int v = 0;  // centre of row 0
    int X = 0;  // extra width of the right column
    int B = 0;  // column width
    int E = 0;  // centre of column 0
    int F = 0;  // picture size

    std::vector<int> objects;                       // object number of rank 1 to g
    std::array<int, Bodies::kObjectCount> ranks{};  // 0 for an object without row and column

    // In drawing order.
    std::vector<Label> topLabels;
    std::vector<Label> leftLabels;
    std::vector<Label> bottomLabels;
    std::vector<RightRow> rightColumn;
    std::vector<AspectSymbol> aspectSymbols;  // one per cell: the highest aspect index
    std::vector<Separation> separations;
    std::vector<Line> gridLines;
    std::vector<Rect> diagonal;

    FontSize degreeFont;
    FontSize markFont;
    FontSize separationFont;

    bool isEmpty() const { return g == 0; }

    // The pixels that pictures, cells and lines cover (texts stay inside their cells); an
    // empty rectangle for an empty layout.
    Rect bounds() const;

    // The layout in the drawing area, the target with its margins already taken off. Nothing
    // is laid out without a shown object or in an area without width or height.
    static AspectTableLayout compute(const ChartData& chart, const NatalAspectTable& aspects,
                                     const Rect& area);

    // The drawing area on the screen: the right edge moves left by 30 pixels at zoom 1 and by
    // 90 at zoom 2, where the bottom edge also moves up by 20.
    static Rect screenArea(const Rect& target, int zoom);

    // On a printer page the table fills a 4:3 box at the page's top left corner, as large as
    // the printable area (given in device pixels) allows.
    static Rect printerBox(int pageWidth, int pageHeight);
    // The box with a thirtieth of its width taken off every side.
    static Rect printerArea(int pageWidth, int pageHeight);

    // A picture square of the given size centred on (x, y).
    static Rect pictureSquare(int x, int y, int size);
};

}  // namespace orvanta
