#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "natal/AspectTableLayout.h"

namespace orvanta {
namespace {

using Rect = Rect;

// All 28 objects shown, in a 1000 x 617 area at (10, 20). Worked out by hand:
//   t = 617 / 30 = 20;  v = (617 - 29 * 20) / 2 + 20 = 18 + 20 = 38
//   X = 3 * (1000 / 33) = 90;  B = (1000 - 90) / 30 = 30
//   E = (1000 - 90 - 29 * 30) / 2 + 10 = 30;  F = min(80 / 5, 120 / 5) = 16
//   grid left E - B / 2 = 15; first row line v + t / 2 = 48; label rows from v - t / 2 = 28
const Rect kWideArea{10, 20, 1010, 637};

// Houses unavailable and object 3 hidden: 15 objects in a 401 x 303 area at (0, 0):
//   t = 303 / 17 = 17;  v = (303 - 16 * 17) / 2 = 15
//   X = 3 * (401 / 20) = 60;  B = (401 - 60) / 17 = 20
//   E = (401 - 60 - 16 * 20) / 2 = 10;  F = min(68 / 5, 80 / 5) = 13
const Rect kSmallArea{0, 0, 401, 303};

ChartData chartWithLongitudes() {
    ChartData chart;
    chart.style.assignBodyNames();
    for (int i = 1; i <= 28; ++i) {
        chart.style[i].identifier = i;
        chart[i].setLongitude(12.5 * i);
    }
    return chart;
}

NatalAspectTable noAspects() {
    return {};
}

NatalAspectTable aspectAt(int index, double angle, double orb) {
    NatalAspectTable aspects;
    aspects[static_cast<std::size_t>(index)].angle = angle;
    aspects[static_cast<std::size_t>(index)].orb = orb;
    aspects[static_cast<std::size_t>(index)].included = 1;
    return aspects;
}

TEST(AspectTableLayoutTest, MeasuresComeFromTheAreaByTruncatingDivision) {
    const auto wide = AspectTableLayout::compute(chartWithLongitudes(), noAspects(), kWideArea);
    EXPECT_EQ(wide.shownCount, 28);
    EXPECT_EQ(wide.rowHeight, 20);
    EXPECT_EQ(wide.rowZeroCentre, 38);
    EXPECT_EQ(wide.rightColumnExtra, 90);
    EXPECT_EQ(wide.columnWidth, 30);
    EXPECT_EQ(wide.columnZeroCentre, 30);
    EXPECT_EQ(wide.pictureSize, 16);
    // Degree: t - 1 high, 2B/7 wide; mark: t/2, B/10; separation: t - 1, (B - 1)/6.
    EXPECT_EQ(wide.degreeFont, (AspectTableLayout::FontSize{19, 8}));
    EXPECT_EQ(wide.markFont, (AspectTableLayout::FontSize{10, 3}));
    EXPECT_EQ(wide.separationFont, (AspectTableLayout::FontSize{19, 4}));

    ChartData chart = chartWithLongitudes();
    chart.housesUnavailable = 1;
    chart.style[3].shown = 0;
    const auto small = AspectTableLayout::compute(chart, noAspects(), kSmallArea);
    EXPECT_EQ(small.shownCount, 15);
    EXPECT_EQ(small.rowHeight, 17);
    EXPECT_EQ(small.rowZeroCentre, 15);
    EXPECT_EQ(small.rightColumnExtra, 60);
    EXPECT_EQ(small.columnWidth, 20);
    EXPECT_EQ(small.columnZeroCentre, 10);
    EXPECT_EQ(small.pictureSize, 13);
    EXPECT_EQ(small.degreeFont, (AspectTableLayout::FontSize{16, 5}));
    EXPECT_EQ(small.markFont, (AspectTableLayout::FontSize{8, 2}));
    EXPECT_EQ(small.separationFont, (AspectTableLayout::FontSize{16, 3}));
}

TEST(AspectTableLayoutTest, HiddenObjectsLoseTheirRowAndColumnAndLaterRanksMoveUp) {
    ChartData chart = chartWithLongitudes();
    chart.style[2].shown = 0;
    chart.style[20].shown = 0;
    const auto layout = AspectTableLayout::compute(chart, noAspects(), kWideArea);
    ASSERT_EQ(layout.shownCount, 26);
    EXPECT_EQ(layout.objects.front(), 1);
    EXPECT_EQ(layout.objects[1], 3);
    EXPECT_EQ(layout.ranks[1], 1);
    EXPECT_EQ(layout.ranks[2], 0);
    EXPECT_EQ(layout.ranks[3], 2);
    EXPECT_EQ(layout.ranks[20], 0);
    EXPECT_EQ(layout.ranks[21], 19);
    EXPECT_EQ(layout.ranks[28], 26);
    EXPECT_EQ(layout.ranks[29], 0);

    for (const auto* labels : {&layout.topLabels, &layout.leftLabels, &layout.bottomLabels}) {
        ASSERT_EQ(labels->size(), 26u);
        EXPECT_TRUE(std::none_of(labels->begin(), labels->end(),
                                 [](const auto& l) { return l.object == 2 || l.object == 20; }));
    }
    ASSERT_EQ(layout.rightColumn.size(), 26u);
    EXPECT_EQ(layout.rightColumn[1].object, 3);
    // 26 objects give 26 * 25 / 2 separations, none with a hidden object.
    EXPECT_EQ(layout.separations.size(), 325u);
    EXPECT_TRUE(std::none_of(layout.separations.begin(), layout.separations.end(),
                             [](const auto& s) { return s.earlier == 20 || s.later == 20; }));

    // Without houses only the sixteen bodies count, whatever the cusps' flags say.
    chart.housesUnavailable = 1;
    const auto bodies = AspectTableLayout::compute(chart, noAspects(), kWideArea);
    EXPECT_EQ(bodies.shownCount, 15);
    EXPECT_EQ(bodies.objects.back(), 16);
}

TEST(AspectTableLayoutTest, LabelsSitOnAllFourSides) {
    const auto layout = AspectTableLayout::compute(chartWithLongitudes(), noAspects(), kWideArea);
    // Top: rank k centred at (E + k B, v - 2); a 16 square reaches 8 each way.
    EXPECT_EQ(layout.topLabels[0].object, 1);
    EXPECT_EQ(layout.topLabels[0].picture, (Rect{52, 28, 68, 44}));
    // Left: rank 3 centred at (E, v + 3 t) = (30, 98).
    EXPECT_EQ(layout.leftLabels[2].object, 3);
    EXPECT_EQ(layout.leftLabels[2].picture, (Rect{22, 90, 38, 106}));
    // Bottom: rank 28 centred at (E + 28 B, v + 29 t + 2) = (870, 620).
    EXPECT_EQ(layout.bottomLabels[27].object, 28);
    EXPECT_EQ(layout.bottomLabels[27].picture, (Rect{862, 612, 878, 628}));
    // Right: the symbol of rank 1 centred at (E + 29 B + 2, v + t) = (902, 58).
    EXPECT_EQ(layout.rightColumn[0].symbol, (Rect{894, 50, 910, 66}));
}

TEST(AspectTableLayoutTest, RightColumnHoldsDegreeMarkAndSign) {
    ChartData chart = chartWithLongitudes();
    chart[1].setLongitude(35.25);  // 5.25 in the second sign
    chart[2].setLongitude(359.996);
    chart[2].retrograde = 1;
    const auto layout = AspectTableLayout::compute(chart, noAspects(), kWideArea);

    const auto& first = layout.rightColumn[0];
    // From x = E + 29 B - B/2 + 2 = 887 to 887 - 2 + 4 B = 1005; y from v + t - t/2 = 48 to
    // v + t + t/2 + 1 = 69, so the cell covers the row line below it (y = 68).
    EXPECT_EQ(first.cell, (Rect{887, 48, 1005, 69}));
    EXPECT_FALSE(first.retrograde);
    EXPECT_EQ(first.degreeText, "05.25");
    // Degree at (cx + B, cy - t/2 + 1) = (932, 49); sign picture centred at (cx + 3 B, cy).
    EXPECT_EQ(first.degreePosition, (Point{932, 49}));
    EXPECT_EQ(first.sign, 2);
    EXPECT_EQ(first.signPicture, (Rect{984, 50, 1000, 66}));

    const auto& second = layout.rightColumn[1];
    EXPECT_TRUE(second.retrograde);
    // The mark at (cx + F/2, cy) = (910, 78).
    EXPECT_EQ(second.mark, (Point{910, 78}));
    EXPECT_EQ(second.degreeText, "30.00");
    EXPECT_EQ(second.sign, 12);

    // With minutes chosen only the texts change: 5.25 degrees is 5 degrees 15 minutes.
    const auto minutes =
        AspectTableLayout::compute(chart, noAspects(), kWideArea, DegreeNotation::DegreesMinutes);
    EXPECT_EQ(minutes.rightColumn[0].degreeText, "05°15′");
    EXPECT_EQ(minutes.rightColumn[0].degreePosition, first.degreePosition);
    EXPECT_EQ(minutes.rightColumn[1].degreeText, "30°00′");
}

TEST(AspectTableLayoutTest, SeparationsFillTheCellsBelowTheDiagonal) {
    ChartData chart = chartWithLongitudes();
    chart[1].setLongitude(10.0);
    chart[2].setLongitude(10.04);
    chart[3].setLongitude(190.0);
    chart[4].setLongitude(350.0);
    const auto layout = AspectTableLayout::compute(chart, noAspects(), kWideArea);
    ASSERT_EQ(layout.separations.size(), 28u * 27u / 2u);

    // Column by the earlier object's rank, row by the later one's, pairs in order of the
    // later object.
    const auto& first = layout.separations[0];
    EXPECT_EQ(first.earlier, 1);
    EXPECT_EQ(first.later, 2);
    // From (15 + B, 48 + t) = (45, 68) to (15 + 2 B, 48 + 2 t + 1) = (75, 89).
    EXPECT_EQ(first.cell, (Rect{45, 68, 75, 89}));
    EXPECT_EQ(first.textPosition, (Point{60, 70}));
    EXPECT_EQ(first.text, "0.");

    auto find = [&](int earlier, int later) {
        return *std::find_if(
            layout.separations.begin(), layout.separations.end(),
            [&](const auto& s) { return s.earlier == earlier && s.later == later; });
    };
    EXPECT_EQ(find(1, 3).text, "180.");
    EXPECT_EQ(find(1, 4).text, "20.");
    EXPECT_EQ(find(3, 4).text, "160.");
    // Ranks 2 and 4: from (15 + 2 B, 48 + 3 t) to (15 + 3 B, 48 + 4 t + 1).
    EXPECT_EQ(find(2, 4).cell, (Rect{75, 108, 105, 129}));
}

TEST(AspectTableLayoutTest, GridLinesFrameRowsColumnsAndTheRightColumn) {
    const auto layout = AspectTableLayout::compute(chartWithLongitudes(), noAspects(), kWideArea);
    using Line = Line;
    const std::vector<Line>& lines = layout.gridLines;
    // 29 row lines, 2 outer row lines, 3 right-column lines, 29 column lines, 2 outer ones.
    EXPECT_EQ(lines.size(), 65u);
    auto has = [&](const Line& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    // Row lines from the grid's left 15 to 15 + 30 B + X = 1005; the last at 48 + 28 t = 608.
    EXPECT_TRUE(has({15, 48, 1005, 48}));
    EXPECT_TRUE(has({15, 608, 1005, 608}));
    // Doubled two above the first and two below the last, two longer.
    EXPECT_TRUE(has({15, 46, 1007, 46}));
    EXPECT_TRUE(has({15, 610, 1007, 610}));
    // Right column: after the symbols at 15 + 30 B + 6 = 921, its edge at 1005, doubled at 1007.
    EXPECT_TRUE(has({921, 48, 921, 608}));
    EXPECT_TRUE(has({1005, 48, 1005, 608}));
    EXPECT_TRUE(has({1007, 46, 1007, 610}));
    // Column lines from the top label row (28) to below the bottom one (28 + 30 t = 628).
    EXPECT_TRUE(has({45, 28, 45, 628}));
    EXPECT_TRUE(has({885, 28, 885, 628}));
    // Doubled outside the first and the last object columns.
    EXPECT_TRUE(has({43, 28, 43, 628}));
    EXPECT_TRUE(has({887, 28, 887, 628}));
}

TEST(AspectTableLayoutTest, DiagonalCellsLieBetweenGridLines) {
    const auto layout = AspectTableLayout::compute(chartWithLongitudes(), noAspects(), kWideArea);
    ASSERT_EQ(layout.diagonal.size(), 28u);
    EXPECT_EQ(layout.diagonal.front(), (Rect{45, 48, 75, 68}));
    EXPECT_EQ(layout.diagonal.back(), (Rect{855, 588, 885, 608}));

    std::set<int> rows;
    std::set<int> columns;
    for (const auto& line : layout.gridLines) {
        if (line.from.y == line.to.y) rows.insert(line.from.y);
        if (line.from.x == line.to.x) columns.insert(line.from.x);
    }
    for (const auto& cell : layout.diagonal) {
        EXPECT_TRUE(columns.count(cell.left) && columns.count(cell.right));
        EXPECT_TRUE(rows.count(cell.top) && rows.count(cell.bottom));
    }
    // Each separation cell starts on a column line and a row line and ends on the next ones.
    for (const auto& separation : layout.separations) {
        EXPECT_TRUE(columns.count(separation.cell.left) && columns.count(separation.cell.right));
        EXPECT_TRUE(rows.count(separation.cell.top) && rows.count(separation.cell.bottom - 1));
    }
}

TEST(AspectTableLayoutTest, AspectSymbolsGoAboveTheDiagonalTheHigherIndexWinning) {
    ChartData chart = chartWithLongitudes();
    for (int i = 1; i <= 28; ++i) chart[i].setLongitude(0.0);
    chart[1].setLongitude(10.0);
    chart[5].setLongitude(71.0);    // 61 from the first body
    chart[18].setLongitude(250.0);  // cusp: 120 from the first body, 179 from the fifth
    chart[19].setLongitude(70.0);   // cusp: 180 from cusp 18, 60 from the first body
    for (int i : {2,  3,  4,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                  15, 16, 17, 20, 21, 22, 23, 24, 25, 26, 27, 28}) {
        chart.style[i].shown = 0;
    }
    // Ranks: 1 -> 1, 5 -> 2, 18 -> 3, 19 -> 4.
    NatalAspectTable aspects = aspectAt(3, 60.0, 2.0);
    aspects[5] = aspectAt(5, 62.0, 2.0)[5];
    aspects[7] = aspectAt(7, 120.0, 1.0)[7];
    aspects[9] = aspectAt(9, 180.0, 1.0)[9];
    const auto layout = AspectTableLayout::compute(chart, aspects, kWideArea);

    ASSERT_EQ(layout.shownCount, 4);
    auto cellOf = [&](int earlier, int later) {
        std::vector<AspectTableLayout::AspectSymbol> found;
        for (const auto& s : layout.aspectSymbols) {
            if (s.earlier == earlier && s.later == later) found.push_back(s);
        }
        return found;
    };
    // 1 and 5 are 61 apart: both the 60 and the 62 aspect match; only index 5 stays.
    const auto both = cellOf(1, 5);
    ASSERT_EQ(both.size(), 1u);
    EXPECT_EQ(both[0].aspect, 5);
    // Centred at (E + rank(later) B, v + rank(earlier) t).
    const int centreX = layout.columnZeroCentre + 2 * layout.columnWidth;
    const int centreY = layout.rowZeroCentre + 1 * layout.rowHeight;
    EXPECT_EQ(both[0].picture,
              AspectTableLayout::pictureSquare(centreX, centreY, layout.pictureSize));
    EXPECT_LT(both[0].picture.top + layout.pictureSize / 2, layout.diagonal[1].top);

    // A body and a cusp form aspects in the table; two cusps do, too, except in opposition.
    ASSERT_EQ(cellOf(1, 18).size(), 1u);
    EXPECT_EQ(cellOf(1, 18)[0].aspect, 7);
    ASSERT_EQ(cellOf(1, 19).size(), 1u);
    EXPECT_EQ(cellOf(1, 19)[0].aspect, 3);
    EXPECT_TRUE(cellOf(18, 19).empty());
    EXPECT_EQ(layout.aspectSymbols.size(), 3u);
}

TEST(AspectTableLayoutTest, NothingIsLaidOutWithoutObjectsOrRoom) {
    ChartData hidden = chartWithLongitudes();
    for (int i = 1; i <= 28; ++i) hidden.style[i].shown = 0;
    const auto none = AspectTableLayout::compute(hidden, noAspects(), kWideArea);
    EXPECT_TRUE(none.isEmpty());
    EXPECT_TRUE(none.gridLines.empty());
    EXPECT_TRUE(none.diagonal.empty());

    const ChartData chart = chartWithLongitudes();
    EXPECT_TRUE(AspectTableLayout::compute(chart, noAspects(), {10, 10, 10, 400}).isEmpty());
    EXPECT_TRUE(AspectTableLayout::compute(chart, noAspects(), {10, 10, 400, 5}).isEmpty());
    // A window narrower than the screen margin leaves an area of negative width.
    const Rect narrow = AspectTableLayout::screenArea({0, 0, 20, 300}, 1);
    EXPECT_TRUE(AspectTableLayout::compute(chart, noAspects(), narrow).isEmpty());
}

TEST(AspectTableLayoutTest, ScreenAndPrinterMarginsTrimTheTarget) {
    // Zoom 1: 30 off the right edge, nothing off the bottom.
    EXPECT_EQ(AspectTableLayout::screenArea({0, 0, 800, 600}, 1), (Rect{0, 0, 770, 600}));
    // Zoom 2: 2 * 30 + 30 = 90 off the right, 20 off the bottom.
    EXPECT_EQ(AspectTableLayout::screenArea({0, 0, 1600, 1200}, 2), (Rect{0, 0, 1510, 1180}));

    // Portrait page of 4800 x 6600 pixels: d = min(1200, 2200), box 4800 x 3600 and m = 160.
    EXPECT_EQ(AspectTableLayout::printerBox(4800, 6600), (Rect{0, 0, 4800, 3600}));
    EXPECT_EQ(AspectTableLayout::printerArea(4800, 6600), (Rect{160, 160, 4640, 3440}));
    // Landscape 6600 x 4800: d = min(1650, 1600) = 1600, box 6400 x 4800, m = 6400 / 30 = 213.
    EXPECT_EQ(AspectTableLayout::printerArea(6600, 4800), (Rect{213, 213, 6187, 4587}));
    // A page without size gives an empty box.
    EXPECT_EQ(AspectTableLayout::printerBox(-5, 100), (Rect{0, 0, 0, 0}));
}

}  // namespace
}  // namespace orvanta
