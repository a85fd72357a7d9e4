#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "natal/ChartSummary.h"
#include "support/HandChart.h"

namespace orvanta {
namespace {

// Sun 10 and Moon 132 trine 2 degrees off, Mars 0 and Jupiter 120.5 trine half a degree off,
// Venus 200 and Saturn 288 square 2 degrees off; every other pair is out of orb (worked by
// hand against the delivered orbs 8, 8, 7, 7, 5).
ChartData sixPlanets() {
    ChartData chart = test::emptyHandChart();
    for (const auto& [body, longitude] :
         {std::pair{1, 10.0}, {2, 132.0}, {5, 0.0}, {6, 120.5}, {4, 200.0}, {7, 288.0}}) {
        test::placeBody(chart, body, longitude);
    }
    return chart;
}

// Strength is closeness to exact (1 - orb / allowed orb), with 0.3 more for the Sun or Moon:
// Sun-Moon 1 - 2/7 + 0.3 = 1.01, Mars-Jupiter 1 - 0.5/7 = 0.93, Venus-Saturn 1 - 2/7 = 0.71.
TEST(ChartSummary, RanksAspectsByClosenessWithTheLuminariesWeighingMore) {
    const ChartData chart = sixPlanets();
    const ChartSummary summary(chart, test::majorAspects());
    std::vector<std::tuple<int, int, double>> ranked;
    for (const auto& aspect : summary.aspects())
        ranked.emplace_back(aspect.first, aspect.second, aspect.orb);
    ASSERT_EQ(ranked.size(), 3u);
    EXPECT_EQ(std::get<0>(ranked[0]), 1);
    EXPECT_EQ(std::get<1>(ranked[0]), 2);
    EXPECT_NEAR(std::get<2>(ranked[0]), 2.0, 1e-9);
    EXPECT_EQ(std::get<0>(ranked[1]), 5);
    EXPECT_NEAR(std::get<2>(ranked[1]), 0.5, 1e-9);
    EXPECT_EQ(std::get<0>(ranked[2]), 4);
    EXPECT_EQ(std::get<1>(ranked[2]), 7);
}

// Aries and Leo are fire, Libra air, Capricorn earth; Aries and Libra and Capricorn cardinal.
TEST(ChartSummary, CountsElementsAndModesOfTheShownPlanets) {
    const ChartData chart = sixPlanets();
    const ChartSummary summary(chart, test::majorAspects());
    EXPECT_EQ(summary.elements()[0], (std::vector<int>{1, 2, 5, 6}));
    EXPECT_EQ(summary.elements()[1], (std::vector<int>{7}));
    EXPECT_EQ(summary.elements()[2], (std::vector<int>{4}));
    EXPECT_TRUE(summary.elements()[3].empty());
    EXPECT_EQ(summary.modes()[0], (std::vector<int>{1, 4, 5, 7}));
    EXPECT_EQ(summary.modes()[1], (std::vector<int>{2, 6}));
    EXPECT_TRUE(summary.retrogrades().empty());
}

}  // namespace
}  // namespace orvanta
