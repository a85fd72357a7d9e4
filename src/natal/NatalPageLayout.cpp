#include "natal/NatalPageLayout.h"

#include <cmath>
#include <cstdlib>

#include "calc/Bodies.h"
#include "calc/Calendar.h"
#include "natal/AspectTableTexts.h"

namespace orvanta {
namespace {

constexpr int u = NatalPageLayout::kStep;
constexpr int kMx = NatalPageLayout::kMargin;
constexpr int kMy = NatalPageLayout::kMargin;
constexpr int kRadiusStep = 100;
constexpr int kLastLegendCusp = Bodies::kFirstCusp + 5;  // the cusps of houses 1 to 6
constexpr int kEntriesPerRow = 8;

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

// The wheel's W for a base radius, as the wheel works it out.
int wheelRadiusOf(int baseRadius, bool houses) {
    const int w = baseRadius - baseRadius / 10;
    return houses ? w : w + w / 10;
}

}  // namespace

std::string NatalPageLayout::momentLine(const char* prefix, int day, int month, int year, int hour,
                                        int minute) {
    return std::string(prefix) + twoDigits(day) + "." + twoDigits(month) + "." +
           std::to_string(year) + "  " + twoDigits(hour) + ":" + twoDigits(minute);
}

std::string NatalPageLayout::coordinate(double value, const char* positive, const char* negative) {
    const double magnitude = std::fabs(value);
    const double whole = std::trunc(magnitude);
    // Minutes are not carried into the degrees: 55.9999 is written with 60 minutes.
    const int minutes = Calendar::round((magnitude - whole) * 60.0);
    return std::to_string(static_cast<long long>(whole)) + "°" + twoDigits(minutes) + "’" +
           (value > 0.0 ? positive : negative);
}

std::string NatalPageLayout::degreeText(double degreeInSign) {
    std::string text = std::to_string(Calendar::round(degreeInSign * 10.0));
    if (text.size() < 3) text.insert(0, 3 - text.size(), '0');
    text.insert(text.end() - 1, '.');
    return text;
}

int NatalPageLayout::fontHeight(Font font) const {
    switch (font) {
        case Font::Title:
            return wheelRadius / 10;
        case Font::Small:
            return line / 2;
        case Font::Legend:
        case Font::Mono:
            return line;
    }
    return line;
}

NatalPageLayout NatalPageLayout::compute(int pageWidth, int pageHeight, const ChartData& chart,
                                         const BirthData& birth, DegreeNotation notation) {
    NatalPageLayout page;
    page.notation = notation;
    page.width = std::abs(pageWidth);
    page.height = std::abs(pageHeight);
    page.houses = chart.housesUnavailable == 0;
    page.landscape = page.width >= page.height;
    page.fits = page.landscape ? page.placeLandscape() : page.placePortrait(page.houses);
    if (!page.fits) return page;
    page.wheelRadius = wheelRadiusOf(page.baseRadius, page.houses);
    page.line = page.landscape ? page.wheelRadius / 12 : page.wheelRadius / 16;
    page.frame = {kMx / 2, -kMy / 2, page.width - kMy / 2, -page.height + kMy / 2};
    page.writeHeader(birth);
    page.writeLegend(chart, birth);
    return page;
}

// The wheel as large as the width allows, then smaller until header, wheel and legend leave
// at least one step of the height spare; the spare is shared by the three gaps.
bool NatalPageLayout::placePortrait(bool hasHouses) {
    int r0 = (width - 2 * kMx) / 2 + kRadiusStep;
    int k = 0;
    int spare = 0;
    int space = u;
    do {
        r0 -= kRadiusStep;
        if (r0 <= 0) return false;
        k = r0 / 10;
        space = u;
        const int legendHeight = hasHouses ? (7 * r0) / 20 : (3 * r0) / 20;
        spare = height - 2 * kMy - (k + 2 * r0 + legendHeight + 2 * space);
    } while (spare < u);
    gap = (spare + 2 * space) / 3;
    header = kMy + k;
    baseRadius = r0;
    legendTop = header + gap + 2 * r0 + gap;
    centre = {width / 2, -(header + gap + r0)};
    return true;
}

// The wheel as high as the height allows below the header, then narrower until the legend
// column beside it leaves one step of the width spare; the wheel stands on the bottom margin.
bool NatalPageLayout::placeLandscape() {
    int r0 = (height - 2 * kMy) / 2 + kRadiusStep;
    int k = 0;
    do {
        r0 -= kRadiusStep;
        if (r0 <= 0) return false;
        k = r0 / 10;
    } while (height - 2 * kMy - (k + 2 * r0 + u) < 0);
    r0 += kRadiusStep;
    int spareH = 0;
    int gapH = u;
    do {
        r0 -= kRadiusStep;
        if (r0 <= 0) return false;
        const int legendWidth = (4 * r0) / 12;
        gapH = u;
        spareH = width - 2 * kMx - (2 * r0 + legendWidth + 2 * gapH);
    } while (spareH < u);
    gap = (spareH + 2 * gapH) / 3;
    gapV = height - 2 * kMy - k - 2 * r0;
    header = kMy + k;
    baseRadius = r0;
    centre = {kMx + gap + r0, -(header + gapV + r0)};
    legendX = kMx + gap + 2 * r0 + (3 * gap) / 2;
    return true;
}

void NatalPageLayout::writeHeader(const BirthData& birth) {
    const int timeLine = -header / 2 - kMy;
    headerTexts.push_back({birth.name, {centre.x, -kMy}, Font::Title, Anchor::CentreBottom});
    headerTexts.push_back({kProductLine, {kMx / 2, -kMy / 2}, Font::Mono, Anchor::LeftBottom});
    headerTexts.push_back(
        {momentLine("MT: ", birth.day, birth.month, birth.year, birth.hour, birth.minute),
         {kMx, timeLine},
         Font::Mono,
         Anchor::LeftTop});
    headerTexts.push_back({momentLine("GT: ", birth.gmtDay, birth.gmtMonth, birth.gmtYear,
                                      birth.gmtHour, birth.gmtMinute),
                           {kMx, timeLine - line},
                           Font::Mono,
                           Anchor::LeftTop,
                           true});
    if (!houses) return;
    const int right = landscape ? centre.x + wheelRadius + gap : width - kMx;
    headerTexts.push_back({birth.place, {right, timeLine + line}, Font::Legend, Anchor::RightTop});
    headerTexts.push_back({coordinate(birth.latitude, " С.Ш.", " Ю.Ш."),
                           {right, timeLine},
                           Font::Mono,
                           Anchor::RightTop});
    headerTexts.push_back({coordinate(birth.longitude, " В.Д.", " З.Д."),
                           {right, timeLine - line},
                           Font::Mono,
                           Anchor::RightTop});
}

// One entry on the line whose top is given: symbol, retrograde mark, degree, sign picture.
void NatalPageLayout::addEntry(const ChartData& chart, int index, int x, int top) {
    const ObjectPosition& object = chart[index];
    const int bottom = top - line;
    // Degrees and minutes are half a line longer than one decimal: the sign moves to the
    // entry's end.
    const int signLeft = notation == DegreeNotation::DegreesMinutes ? 3 * line : (5 * line) / 2;
    legend.push_back({index,
                      {x, top, x + line, bottom},
                      object.sign,
                      {x + signLeft, top, x + signLeft + line, bottom}});
    if (object.retrograde != 0) {
        legendTexts.push_back(
            {"R", {x + static_cast<int>(0.8 * line), bottom}, Font::Small, Anchor::LeftBottom});
    }
    legendTexts.push_back({notation == DegreeNotation::DegreesMinutes
                               ? AspectTableTexts::degreesAndMinutes(object.degreeInSign)
                               : degreeText(object.degreeInSign),
                           {x + line, bottom},
                           Font::Legend,
                           Anchor::LeftBottom});
}

// Landscape: one entry a line in a column from the top of the zodiac ring, the house system
// named on two lines before the Ascendant. Portrait: rows of eight from the wheel's left edge,
// a new row at the Ascendant, headed by the house system on a line of its own; with every
// object shown that is three rows in six lines, the height the page keeps for the legend.
void NatalPageLayout::writeLegend(const ChartData& chart, const BirthData& birth) {
    const int last = houses ? kLastLegendCusp : Bodies::kBodyCount;
    const int rowStart = centre.x - wheelRadius;
    int top = landscape ? centre.y + wheelRadius : -legendTop;
    int x = landscape ? legendX : rowStart;
    int written = 0;
    for (int object = 1; object <= last; ++object) {
        if (chart.style[object].shown == 0) continue;
        const bool ascendant = object == Bodies::kFirstCusp;
        if (landscape) {
            if (ascendant) {
                const int textX = legendX - gap / 2;
                legendTexts.push_back(
                    {kHouseSystemCaption, {textX, top - line}, Font::Legend, Anchor::LeftBottom});
                top -= line;
                legendTexts.push_back(
                    {birth.houseSystemName, {textX, top - line}, Font::Legend, Anchor::LeftBottom});
                top -= line;
            }
            addEntry(chart, object, x, top);
            top -= line;
        } else {
            if (written > 0 && (written == kEntriesPerRow || ascendant)) {
                top -= 2 * line;
                x = rowStart;
            }
            if (ascendant) {
                legendTexts.push_back(
                    {std::string(kHouseSystemCaption) + " " + birth.houseSystemName,
                     {rowStart, top - line},
                     Font::Legend,
                     Anchor::LeftBottom});
                top -= line;
            }
            addEntry(chart, object, x, top);
            x += 4 * line;
        }
        ++written;
    }
}

}  // namespace orvanta
