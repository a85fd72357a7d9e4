#include <gtest/gtest.h>

#include "natal/InterAspects.h"
#include "support/HandMadeChart.h"

namespace orvanta {
namespace {

using testing::chartWith;
using testing::includeAspect;

struct Found {
    int aspect;
    int first;
    int second;
    double orb;
};

void expectFound(const std::vector<InterAspect>& found, const std::vector<Found>& expected) {
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(found[k].aspect, expected[k].aspect);
        EXPECT_EQ(found[k].first, expected[k].first);
        EXPECT_EQ(found[k].second, expected[k].second);
        EXPECT_NEAR(found[k].orb, expected[k].orb, 1e-9);
    }
}

TEST(InterAspects, ComeByAspectThenFirstObjectThenSecondBodyWithSignedOrbs) {
    // First chart: Sun 10, Moon 100, Ascendant 190. Second chart: Sun 12, Mars 355.
    const ChartData first =
        chartWith({{Bodies::Sun, 10.0}, {Bodies::Moon, 100.0}, {Bodies::Ascendant, 190.0}});
    const ChartData second = chartWith({{Bodies::Sun, 12.0}, {Bodies::Mars, 355.0}});
    NatalAspectTable aspects{};
    includeAspect(aspects, 0, 0.0, 8.0);
    includeAspect(aspects, 3, 90.0, 6.0);
    includeAspect(aspects, 5, 180.0, 8.0);
    // Separations by hand: Sun-Sun 2, Sun-Mars 15 (folded across 0), Moon-Sun 88,
    // Moon-Mars 105, Asc-Sun 178, Asc-Mars 165.
    expectFound(InterAspects::all(first, second, aspects),
                {{0, Bodies::Sun, Bodies::Sun, 2.0},
                 {3, Bodies::Moon, Bodies::Sun, -2.0},
                 {5, Bodies::Ascendant, Bodies::Sun, -2.0}});
}

TEST(InterAspects, OrbIsExclusiveAndHiddenOrExcludedTakeNoPart) {
    ChartData first = chartWith({{Bodies::Sun, 0.0}, {Bodies::Venus, 200.0}});
    ChartData second = chartWith({{Bodies::Sun, 120.0}, {Bodies::Moon, 128.0}});
    NatalAspectTable aspects{};
    includeAspect(aspects, 4, 120.0, 8.0);
    // Sun-Sun exact; Sun-Moon 128 is 8 off, not below the orb; Venus-Sun 80, Venus-Moon 72.
    expectFound(InterAspects::all(first, second, aspects), {{4, Bodies::Sun, Bodies::Sun, 0.0}});

    second.style[Bodies::Sun].shown = 0;
    EXPECT_TRUE(InterAspects::all(first, second, aspects).empty());
    second.style[Bodies::Sun].shown = 1;
    aspects[4].included = 0;
    EXPECT_TRUE(InterAspects::all(first, second, aspects).empty());
}

TEST(InterAspects, CuspsOfTheFirstChartOnlyWithHousesAndNodesOfTwoChartsMeet) {
    // The second chart's cusps never take part; the first chart's only with houses. The two
    // nodes, one in each chart, are separate points and form the conjunction.
    ChartData first = chartWith({{Bodies::NorthNode, 40.0}, {Bodies::cuspOfHouse(10), 70.0}});
    const ChartData second = chartWith(
        {{Bodies::SouthNode, 41.0}, {Bodies::Venus, 71.0}, {Bodies::cuspOfHouse(1), 70.0}});
    NatalAspectTable aspects{};
    includeAspect(aspects, 0, 0.0, 3.0);
    expectFound(InterAspects::all(first, second, aspects),
                {{0, Bodies::NorthNode, Bodies::SouthNode, 1.0},
                 {0, Bodies::cuspOfHouse(10), Bodies::Venus, 1.0}});
    first.housesUnavailable = 1;
    expectFound(InterAspects::all(first, second, aspects),
                {{0, Bodies::NorthNode, Bodies::SouthNode, 1.0}});
}

}  // namespace
}  // namespace orvanta
