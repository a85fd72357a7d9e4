#pragma once

#include <string>
#include <vector>

#include "calc/BirthData.h"
#include "calc/ChartData.h"
#include "common/DegreeNotation.h"
#include "common/Geometry.h"

namespace orvanta {

// The printed page of a natal chart: where the wheel goes (its centre and base radius R0), the
// page frame, the header (name, product line, local and Greenwich moments, the place with its
// coordinates) and the legend of every shown object. Units are hundredths of a millimetre with
// y upward: the page runs from (0, 0) at its top-left corner to (width, -height). All
// arithmetic is integer with truncating division.
struct NatalPageLayout {
    static constexpr int kStep = 1000;         // u
    static constexpr int kMargin = 3 * kStep;  // Mx and My, 30 mm
    static constexpr const char* kProductLine = "\"ORVANTA-w'95\"";
    static constexpr const char* kHouseSystemCaption = "Система домов:";

    enum class Font { Title, Legend, Small, Mono };
    enum class Anchor { LeftTop, LeftBottom, CentreBottom, RightTop };

    struct Text {
        std::string text;
        Point at;
        Font font = Font::Legend;
        Anchor anchor = Anchor::LeftBottom;
        bool green = false;  // the Greenwich line
    };

    // A legend entry's pictures: the object's symbol and its sign's picture.
    struct LegendEntry {
        int object = 0;
        Rect symbol;
        int sign = 0;
        Rect signPicture;
    };

    // Lays out a page of the given size (either sign; only the magnitudes count). False in
    // `fits` when the page is too small for the margins, and then nothing else is set.
    static NatalPageLayout compute(int pageWidth, int pageHeight, const ChartData& chart,
                                   const BirthData& birth,
                                   DegreeNotation notation = DegreeNotation::Decimal);

    // "MT: 05.03.1970  07:09": the prefix, the date and, after two spaces, the time.
    static std::string momentLine(const char* prefix, int day, int month, int year, int hour,
                                  int minute);
    // "55°45’ С.Ш.": whole degrees and rounded minutes of the value's magnitude, then the
    // positive or the other suffix (zero takes the other).
    static std::string coordinate(double value, const char* positive, const char* negative);
    // The degree in sign with one decimal: 5.25 is "05.3", 29.96 is "30.0".
    static std::string degreeText(double degreeInSign);

    DegreeNotation notation = DegreeNotation::Decimal;
    bool fits = false;
    bool landscape = false;
    bool houses = false;
    int width = 0;
    int height = 0;
    int baseRadius = 0;   // R0
    int header = 0;       // K, the header's depth from the top edge, margin included
    int gap = 0;          // portrait: between header, wheel and legend; landscape: gapH
    int gapV = 0;         // landscape: between header and wheel
    Point centre;         // the wheel's centre
    int wheelRadius = 0;  // W of the wheel, as the wheel works it out from R0
    int line = 0;         // Y, the legend's line height
    int legendTop = 0;    // portrait: Ly, the legend's top as a distance from the top edge
    int legendX = 0;      // landscape: Lx, the legend column
    Rect frame;           // 15 mm inside every edge

    // Font heights in page units.
    int fontHeight(Font font) const;

    std::vector<Text> headerTexts;
    std::vector<Text> legendTexts;
    std::vector<LegendEntry> legend;

  private:
    bool placePortrait(bool hasHouses);
    bool placeLandscape();
    void writeHeader(const BirthData& birth);
    void writeLegend(const ChartData& chart, const BirthData& birth);
    void addEntry(const ChartData& chart, int object, int x, int top);
};

}  // namespace orvanta
