#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "common/DegreeNotation.h"
#include "common/Geometry.h"

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

    // The grid measures, with the letters of the table's original description.
    int shownCount = 0;        // g: shown objects
    int rowHeight = 0;         // t
    int rowZeroCentre = 0;     // v: y of the centre of row 0, the top label row
    int rightColumnExtra = 0;  // X: extra width of the right column
    int columnWidth = 0;       // B
    int columnZeroCentre = 0;  // E: x of the centre of column 0, the left label column
    int pictureSize = 0;       // F: side of a symbol's picture square

    std::vector<int> objects;                       // object number of rank 1 to shownCount
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

    bool isEmpty() const { return shownCount == 0; }

    // The pixels that pictures, cells and lines cover (texts stay inside their cells); an
    // empty rectangle for an empty layout.
    Rect bounds() const;

    // The layout in the drawing area, the target with its margins already taken off. Nothing
    // is laid out without a shown object or in an area without width or height.
    static AspectTableLayout compute(const ChartData& chart, const NatalAspectTable& aspects,
                                     const Rect& area,
                                     DegreeNotation notation = DegreeNotation::Decimal);

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

  private:
    // The steps of compute(), in order.
    void measure(const std::vector<int>& shown, const Rect& area);
    void placeLabels();
    void placeRightColumn(const ChartData& chart, DegreeNotation notation);
    void placeAspectSymbols(const ChartData& chart, int lastObject,
                            const NatalAspectTable& aspects);
    void placeSeparations(const ChartData& chart);
    void placeGrid();
};

}  // namespace orvanta
