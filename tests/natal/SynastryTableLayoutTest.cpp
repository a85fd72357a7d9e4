#include <gtest/gtest.h>

#include "natal/SynastryTableLayout.h"
#include "support/HandMadeChart.h"

namespace orvanta {

void PrintTo(const Rect& r, std::ostream* os);

namespace {

using testing::chartWith;
using testing::includeAspect;

class SynastryTableLayoutTest : public ::testing::Test {
  protected:
    // First chart without houses: Sun 0, Moon 90. Second: Sun 92.26, Venus 45, Mars 180.
    // Separations by hand: Sun-Sun 92.26, Sun-Mars 180, Moon-Sun 2.26, Moon-Mars 90; Venus
    // is 45 from both and forms nothing.
    ChartData first = chartWith({{Bodies::Sun, 0.0}, {Bodies::Moon, 90.0}}, false);
    ChartData second =
        chartWith({{Bodies::Sun, 92.26}, {Bodies::Venus, 45.0}, {Bodies::Mars, 180.0}});
    NatalAspectTable aspects = [] {
        NatalAspectTable table{};
        includeAspect(table, 0, 0.0, 8.0);
        includeAspect(table, 3, 90.0, 6.0);
        includeAspect(table, 5, 180.0, 8.0);
        return table;
    }();
    // Three rows of 100 (labels, Sun, Moon) and four columns of 100 (labels, Sun, Venus, Mars).
    const Rect area{0, 0, 400, 300};
};

TEST_F(SynastryTableLayoutTest, RowsAreTheFirstChartColumnsTheSecondNotMirrored) {
    const auto table = SynastryTableLayout::compute(first, second, aspects, area);
    EXPECT_EQ(table.rowHeight, 100);
    EXPECT_EQ(table.columnWidth, 100);
    EXPECT_EQ(table.pictureSize, 50);  // min(100 / 2, 4 · 100 / 5)
    ASSERT_EQ(table.rowLabels.size(), 2u);
    ASSERT_EQ(table.columnLabels.size(), 3u);
    EXPECT_EQ(table.rowLabels[1].object, Bodies::Moon);
    EXPECT_EQ(table.rowLabels[0].picture,
              (Rect{10, 110, 90, 190}));  // side 80 in (0,100)-(100,200)
    EXPECT_EQ(table.columnLabels[2].object, Bodies::Mars);
    EXPECT_EQ(table.columnLabels[2].picture, (Rect{310, 10, 390, 90}));
    // Nine grid lines: y = 0, 100, 200, 300 and x = 0, 100, 200, 300, 400.
    ASSERT_EQ(table.gridLines.size(), 9u);
    EXPECT_EQ(table.gridLines[3], (Line{{0, 300}, {400, 300}}));
    EXPECT_EQ(table.bounds(), (Rect{0, 0, 401, 301}));
}

TEST_F(SynastryTableLayoutTest, CellsHoldTheSymbolOverTheOrbInAspectOrder) {
    const auto table = SynastryTableLayout::compute(first, second, aspects, area);
    ASSERT_EQ(table.cells.size(), 4u);
    // Aspect 0 first: Moon (row 2) with Sun (column 1), 2.26 wide of exact.
    const auto& moonSun = table.cells[0];
    EXPECT_EQ(moonSun.aspect, 0);
    EXPECT_EQ(moonSun.first, Bodies::Moon);
    EXPECT_EQ(moonSun.second, Bodies::Sun);
    EXPECT_EQ(moonSun.symbol, (Rect{125, 200, 175, 250}));  // upper half of (100,200)-(200,300)
    EXPECT_EQ(moonSun.text, (Rect{101, 250, 199, 299}));
    EXPECT_EQ(moonSun.orbText, "2°15'");
    EXPECT_EQ(table.cells[1].aspect, 3);
    EXPECT_EQ(table.cells[2].second, Bodies::Mars);
    EXPECT_EQ(table.cells[3].aspect, 5);

    // A later aspect of the same pair takes its cell over.
    includeAspect(aspects, 7, 92.0, 1.0);
    const auto overlapped = SynastryTableLayout::compute(first, second, aspects, area);
    ASSERT_EQ(overlapped.cells.size(), 4u);
    EXPECT_EQ(overlapped.cells[1].aspect, 7);
    EXPECT_EQ(overlapped.cells[1].orbText, "0°15'");
}

TEST(SynastryTableLayout, OrbIsWrittenInTruncatedDegreesAndMinutes) {
    EXPECT_EQ(SynastryTableLayout::orbText(2.26), "2°15'");
    EXPECT_EQ(SynastryTableLayout::orbText(-0.5), "0°30'");
    EXPECT_EQ(SynastryTableLayout::orbText(10.9999), "10°59'");
    EXPECT_EQ(SynastryTableLayout::orbText(0.0), "0°00'");
}

}  // namespace
}  // namespace orvanta
