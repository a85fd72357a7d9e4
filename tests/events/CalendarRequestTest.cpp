#include <gtest/gtest.h>

#include "events/CalendarRequest.h"

namespace orvanta {
namespace {

// The event chart's settings choose: transiting bodies by their transit use (the Moon only
// when asked), natal points by their radix use (no cusps without houses), aspects by their
// include flag, each angle once.
TEST(CalendarRequestTest, ChartSettingsChooseBodiesPointsAndAspects) {
    ChartData transitBodies;
    transitBodies.style[Bodies::Venus].transitUse = 0;
    const std::vector<int> withoutMoon = {1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    EXPECT_EQ(CalendarRequest::bodiesOf(transitBodies, false), withoutMoon);
    transitBodies.style[Bodies::Moon].transitUse = 0;
    EXPECT_EQ(CalendarRequest::bodiesOf(transitBodies, true).at(1), Bodies::Moon);

    ChartData natal;
    for (int number = 1; number <= Bodies::kLastCusp; ++number) natal[number].longitude = number;
    natal.style[Bodies::Mars].radixUse = 0;
    EXPECT_EQ(CalendarRequest::pointsOf(natal).size(), 27u);
    natal.housesUnavailable = 1;
    EXPECT_EQ(CalendarRequest::pointsOf(natal).size(), 15u);
    EXPECT_FALSE(CalendarRequest::pointsOf(natal, {1, Bodies::cuspOfHouse(1)}));
    EXPECT_EQ(CalendarRequest::pointsOf(natal, {Bodies::Mars})->at(0).longitude, 5.0);

    TransitAspectTable table;
    const double angles[] = {0.0, 90.0, 90.0, 120.0};
    for (std::size_t j = 0; j < 4; ++j) table[j] = {.angle = angles[j], .orb = 5.0, .included = 1};
    table[3].included = 0;
    const auto chosen = CalendarRequest::aspectsOf(table);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[1].angle, 90.0);
    EXPECT_EQ(CalendarRequest::aspectOf(table, 120.0)->orb, 5.0);  // a list may name it
    EXPECT_FALSE(CalendarRequest::aspectOf(table, 72.0));
}

}  // namespace
}  // namespace orvanta
