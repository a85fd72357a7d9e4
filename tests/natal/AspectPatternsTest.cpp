#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "natal/AspectPatterns.h"
#include "support/HandChart.h"

namespace orvanta {

void PrintTo(const AspectPattern& p, std::ostream* os) {
    *os << AspectPatterns::name(p.kind) << " {";
    for (int body : p.bodies) *os << " " << body;
    *os << " }";
}

namespace {

using test::equalHouses;
using test::majorAspects;
using test::placeBody;

struct PatternCase {
    const char* name;
    std::vector<std::pair<int, double>> bodies;  // object number, longitude
    double ascendant;                            // negative: no houses
    bool quincunx;
    std::vector<AspectPattern> expected;
};

// Longitudes chosen by hand so that each link is the aspect named in the comment and every
// other pair of the placed bodies is no aspect at all.
const std::vector<PatternCase> kCases = {
    // 355 / 115 / 236: three trines (120, 121, 119) that straddle 0 degrees Aries.
    {"GrandTrineAcrossAries",
     {{1, 355}, {2, 115}, {4, 236}},
     -1,
     false,
     {{PatternKind::GrandTrine, {1, 2, 4}}}},
    // Venus at 242 is 113 degrees from the Sun: 7 off the trine, equal to its orb, so no link.
    {"GrandTrineJustOutOfOrb", {{1, 355}, {2, 115}, {4, 242}}, -1, false, {}},
    // Mars and Saturn opposite, the Moon square both.
    {"TSquare", {{5, 10}, {7, 190}, {2, 100}}, -1, false, {{PatternKind::TSquare, {5, 7, 2}}}},
    // Four planets 90 apart: the cross, and none of its four T-squares on its own.
    {"GrandCross",
     {{1, 10}, {2, 100}, {5, 190}, {7, 280}},
     -1,
     false,
     {{PatternKind::GrandCross, {1, 2, 5, 7}}}},
    // Sun and Moon sextile, Pluto 150 from both.
    {"Yod", {{1, 0}, {2, 60}, {11, 210}}, -1, true, {{PatternKind::Yod, {1, 2, 11}}}},
    {"NoYodWithoutQuincunx", {{1, 0}, {2, 60}, {11, 210}}, -1, false, {}},
    // Grand trine 0 / 120 / 240 and Mars opposite the Sun, sextile the other two corners.
    {"KiteHidesItsGrandTrine",
     {{1, 0}, {2, 120}, {4, 240}, {5, 180}},
     -1,
     false,
     {{PatternKind::Kite, {1, 2, 4, 5}}}},
    // Sun-Mars and Moon-Venus opposite; Sun-Moon and Mars-Venus trine; the rest sextile.
    {"MysticRectangle",
     {{1, 0}, {2, 120}, {5, 180}, {4, 300}},
     -1,
     false,
     {{PatternKind::MysticRectangle, {1, 2, 4, 5}}}},
    {"StelliumInOneSign",
     {{1, 2}, {3, 8}, {4, 14}},
     -1,
     false,
     {{PatternKind::Stellium, {1, 3, 4}}}},
    // 16 degrees from first to last is wider than the span.
    {"StelliumTooWide", {{1, 0}, {3, 8}, {4, 16}}, -1, false, {}},
    // Pisces, Pisces, Aries: no sign holds three, but the first house (350 to 20) does.
    {"StelliumInHouseAcrossAries",
     {{1, 355}, {3, 359}, {4, 4}},
     350,
     false,
     {{PatternKind::Stellium, {1, 3, 4}}}},
    {"NoHouseStelliumWithoutHouses", {{1, 355}, {3, 359}, {4, 4}}, -1, false, {}},
    // Five planets in Leo over 24 degrees: the tightest run of four is the stellium.
    {"StelliumTakesTheLargestRun",
     {{1, 121}, {3, 124}, {4, 130}, {5, 135}, {6, 145}},
     -1,
     false,
     {{PatternKind::Stellium, {1, 3, 4, 5}}}},
};

class AspectPatternsTest : public testing::TestWithParam<PatternCase> {};

TEST_P(AspectPatternsTest, FindsExactlyTheHandWorkedPatterns) {
    const PatternCase& c = GetParam();
    ChartData chart = test::emptyHandChart();
    if (c.ascendant >= 0) equalHouses(chart, c.ascendant);
    for (const auto& [body, longitude] : c.bodies) placeBody(chart, body, longitude);
    EXPECT_EQ(AspectPatterns::find(chart, majorAspects(c.quincunx)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(HandCharts, AspectPatternsTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AspectPatterns, HiddenPlanetTakesNoPart) {
    ChartData chart = test::emptyHandChart();
    for (const auto& [body, longitude] : {std::pair{1, 0.0}, {2, 120.0}, {4, 240.0}})
        placeBody(chart, body, longitude);
    chart.style[4].shown = 0;
    EXPECT_TRUE(AspectPatterns::find(chart, majorAspects()).empty());
}

}  // namespace
}  // namespace orvanta
