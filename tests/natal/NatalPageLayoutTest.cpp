#include <gtest/gtest.h>

#include <string>

#include "natal/NatalPageLayout.h"

namespace orvanta {
namespace {

using Font = NatalPageLayout::Font;

constexpr int kA4Short = 21000;
constexpr int kA4Long = 29700;

ChartData chartShowing(int lastShown, bool houses) {
    ChartData chart;
    chart.housesUnavailable = houses ? 0 : 1;
    for (int i = 1; i <= 28; ++i) {
        chart[i].setLongitude(10.0 * i);
        chart.style[i].shown = i <= lastShown || i > 16 ? 1 : 0;
    }
    return chart;
}

BirthData birth() {
    BirthData b;
    b.name = "Анна";
    b.place = "Москва";
    b.houseSystemName = "Placidus";
    b.day = 5;
    b.month = 3;
    b.year = 1970;
    b.hour = 7;
    b.minute = 9;
    b.gmtDay = 5;
    b.gmtMonth = 3;
    b.gmtYear = 1970;
    b.gmtHour = 4;
    b.gmtMinute = 9;
    b.latitude = 55.75;
    b.longitude = -37.5;
    return b;
}

const NatalPageLayout::Text* findText(const std::vector<NatalPageLayout::Text>& texts,
                                      const std::string& text) {
    for (const auto& t : texts) {
        if (t.text == text) return &t;
    }
    return nullptr;
}

// Worked by hand from the page rules: R0 starts at (21000 - 6000) / 2 = 7500 and already
// leaves 29700 - 6000 - (750 + 15000 + 2625 + 2000) = 3325 spare; gaps (3325 + 2000) / 3.
TEST(NatalPageLayout, PortraitA4WithHouses) {
    const auto page = NatalPageLayout::compute(kA4Short, -kA4Long, chartShowing(16, true), birth());
    ASSERT_TRUE(page.fits);
    EXPECT_FALSE(page.landscape);
    EXPECT_EQ(page.baseRadius, 7500);
    EXPECT_EQ(page.header, 3750);
    EXPECT_EQ(page.gap, 1775);
    EXPECT_EQ(page.legendTop, 22300);
    EXPECT_EQ(page.centre, (Point{10500, -13025}));
    EXPECT_EQ(page.wheelRadius, 6750);
    EXPECT_EQ(page.line, 421);
    EXPECT_EQ(page.fontHeight(Font::Title), 675);
    EXPECT_EQ(page.fontHeight(Font::Small), 210);
    EXPECT_EQ(page.frame, (Rect{1500, -1500, 19500, -28200}));

    // Header: the time lines at -K/2 - My = -4875 and one line lower; the place block at
    // the right margin.
    const auto* local = findText(page.headerTexts, "MT: 05.03.1970  07:09");
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(local->at, (Point{3000, -4875}));
    const auto* greenwich = findText(page.headerTexts, "GT: 05.03.1970  04:09");
    ASSERT_NE(greenwich, nullptr);
    EXPECT_EQ(greenwich->at, (Point{3000, -5296}));
    EXPECT_TRUE(greenwich->green);
    const auto* place = findText(page.headerTexts, "Москва");
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->at, (Point{18000, -4454}));
    ASSERT_NE(findText(page.headerTexts, "37°30’ З.Д."), nullptr);
    EXPECT_EQ(findText(page.headerTexts, "Анна")->at, (Point{10500, -3000}));

    // Legend: rows of 8 from x = 10500 - 6750, each entry 4 * 421 wide; bodies 9 to 16 two
    // lines lower; the house system a further two lines lower and the cusps one more.
    ASSERT_EQ(page.legend.size(), 22u);
    EXPECT_EQ(page.legend[0].symbol, (Rect{3750, -22300, 4171, -22721}));
    EXPECT_EQ(page.legend[7].symbol.left, 3750 + 7 * 1684);
    EXPECT_EQ(page.legend[8].symbol, (Rect{3750, -23142, 4171, -23563}));
    EXPECT_EQ(page.legend[0].signPicture, (Rect{4802, -22300, 5223, -22721}));
    const auto* system = findText(page.legendTexts, "Система домов: Placidus");
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->at, (Point{3750, -24405}));
    EXPECT_EQ(page.legend[16].object, 17);
    EXPECT_EQ(page.legend[16].symbol, (Rect{3750, -24405, 4171, -24826}));
    // The legend ends inside the height kept for it: Ly + 7 * R0 / 20.
    EXPECT_GE(page.legend.back().symbol.bottom, -(22300 + 2625));
}

TEST(NatalPageLayout, PortraitWithoutHousesKeepsLessForTheLegend) {
    const auto page = NatalPageLayout::compute(kA4Short, kA4Long, chartShowing(10, false), birth());
    ASSERT_TRUE(page.fits);
    // Legend height 3 * 7500 / 20 = 1125: spare 4825, gaps (4825 + 2000) / 3.
    EXPECT_EQ(page.baseRadius, 7500);
    EXPECT_EQ(page.gap, 2275);
    EXPECT_EQ(page.legendTop, 23300);
    EXPECT_EQ(page.centre, (Point{10500, -13525}));
    EXPECT_EQ(page.wheelRadius, 7425);  // the ring without houses is a tenth larger
    EXPECT_EQ(page.line, 464);
    // No place block and no house system; ten bodies: eight in the first row, two in the next.
    EXPECT_EQ(findText(page.headerTexts, "Москва"), nullptr);
    EXPECT_EQ(page.headerTexts.size(), 4u);
    ASSERT_EQ(page.legend.size(), 10u);
    EXPECT_EQ(page.legend[7].symbol.top, -23300);
    EXPECT_EQ(page.legend[8].symbol.top, -23300 - 928);
    EXPECT_EQ(page.legend[9].symbol.left, 10500 - 7425 + 4 * 464);
    for (const auto& text : page.legendTexts)
        EXPECT_EQ(text.text.find("Система"), std::string::npos);
}

// R0 from 7500 down by 100 until 15000 - (R0/10 + 2 R0 + 1000) >= 0: 6600 (spare 140). Then
// 6700 - 100 = 6600 leaves 23700 - (13200 + 2200 + 2000) = 6300 of the width: gapH 2766;
// gapV = 15000 - 660 - 13200 = 1140 puts the wheel's foot on the bottom margin.
TEST(NatalPageLayout, LandscapeA4) {
    const auto page = NatalPageLayout::compute(kA4Long, kA4Short, chartShowing(16, true), birth());
    ASSERT_TRUE(page.fits);
    EXPECT_TRUE(page.landscape);
    EXPECT_EQ(page.baseRadius, 6600);
    EXPECT_EQ(page.header, 3660);
    EXPECT_EQ(page.gap, 2766);
    EXPECT_EQ(page.gapV, 1140);
    EXPECT_EQ(page.centre, (Point{12366, -11400}));
    EXPECT_EQ(page.centre.y - page.baseRadius, -(kA4Short - 3000));
    EXPECT_EQ(page.legendX, 23115);
    EXPECT_EQ(page.wheelRadius, 5940);
    EXPECT_EQ(page.line, 495);
    EXPECT_EQ(findText(page.headerTexts, "Москва")->at, (Point{12366 + 5940 + 2766, -4335}));

    // One entry a line from the top of the zodiac ring (-11400 + 5940); the two house-system
    // lines half a gap to the left before the Ascendant; the sixth cusp ends at the ring's foot.
    ASSERT_EQ(page.legend.size(), 22u);
    EXPECT_EQ(page.legend[0].symbol, (Rect{23115, -5460, 23610, -5955}));
    EXPECT_EQ(findText(page.legendTexts, "Система домов:")->at, (Point{21732, -13875}));
    EXPECT_EQ(findText(page.legendTexts, "Placidus")->at, (Point{21732, -14370}));
    EXPECT_EQ(page.legend[16].symbol, (Rect{23115, -14370, 23610, -14865}));
    EXPECT_EQ(page.legend.back().symbol.bottom, -11400 - 5940);
}

TEST(NatalPageLayout, TextsOfTheHeaderAndLegend) {
    EXPECT_EQ(NatalPageLayout::momentLine("MT: ", 5, 3, 1970, 7, 9), "MT: 05.03.1970  07:09");
    EXPECT_EQ(NatalPageLayout::momentLine("GT: ", 31, 12, 2001, 23, 59), "GT: 31.12.2001  23:59");
    EXPECT_EQ(NatalPageLayout::coordinate(0.0, " С.Ш.", " Ю.Ш."), "0°00’ Ю.Ш.");
    EXPECT_EQ(NatalPageLayout::coordinate(0.0, " В.Д.", " З.Д."), "0°00’ З.Д.");
    EXPECT_EQ(NatalPageLayout::coordinate(55.9999, " С.Ш.", " Ю.Ш."), "55°60’ С.Ш.");
    EXPECT_EQ(NatalPageLayout::coordinate(-33.125, " С.Ш.", " Ю.Ш."), "33°08’ Ю.Ш.");
    EXPECT_EQ(NatalPageLayout::degreeText(5.25), "05.3");
    EXPECT_EQ(NatalPageLayout::degreeText(0.04), "00.0");
    EXPECT_EQ(NatalPageLayout::degreeText(29.96), "30.0");
    EXPECT_EQ(NatalPageLayout::degreeText(17.0), "17.0");
}

TEST(NatalPageLayout, LegendWritesMinutesWhenChosen) {
    // Body 1 stands at 10 degrees of Aries, body 2 at 20: "10°00′" and "20°00′".
    const auto decimal =
        NatalPageLayout::compute(kA4Short, -kA4Long, chartShowing(2, true), birth());
    const auto minutes = NatalPageLayout::compute(kA4Short, -kA4Long, chartShowing(2, true),
                                                  birth(), DegreeNotation::DegreesMinutes);
    ASSERT_EQ(minutes.legendTexts.size(), decimal.legendTexts.size());
    ASSERT_GE(minutes.legendTexts.size(), 2u);
    EXPECT_EQ(decimal.legendTexts[0].text, "10.0");
    EXPECT_EQ(minutes.legendTexts[0].text, "10°00′");
    EXPECT_EQ(minutes.legendTexts[1].text, "20°00′");
    EXPECT_EQ(minutes.legendTexts[1].at, decimal.legendTexts[1].at);
    // The longer text pushes the sign picture from 5/2 to 3 lines into the entry (line 421).
    ASSERT_EQ(minutes.legend.size(), decimal.legend.size());
    EXPECT_EQ(minutes.legend[0].signPicture.left - decimal.legend[0].signPicture.left,
              3 * 421 - (5 * 421) / 2);
    EXPECT_EQ(minutes.legend[0].signPicture.width(), decimal.legend[0].signPicture.width());
}

TEST(NatalPageLayout, RefusesAPageSmallerThanItsMargins) {
    EXPECT_FALSE(NatalPageLayout::compute(5000, 7000, chartShowing(16, true), birth()).fits);
    EXPECT_FALSE(NatalPageLayout::compute(7000, 5000, chartShowing(16, true), birth()).fits);
}

}  // namespace
}  // namespace orvanta
