#include <gtest/gtest.h>

#include "calc/ChartComputation.h"
#include "natal/CompositeChart.h"
#include "natal/DavisonChart.h"
#include "support/HandMadeChart.h"

namespace orvanta {
namespace {

// Birth data with only the Greenwich moment (hour, minute, day, month, year) filled.
BirthData greenwichBirth(const DateTime& moment) {
    BirthData birth;
    birth.gmtDay = moment.day;
    birth.gmtMonth = moment.month;
    birth.gmtYear = moment.year;
    birth.gmtHour = moment.hour;
    birth.gmtMinute = moment.minute;
    return birth;
}

TEST(CompositeChart, MidpointIsTheNearerOneAcrossAries) {
    struct Case {
        double first, second, expected;
    };
    // By hand: the shorter arc from 350 to 10 is 20 degrees through 0, halved from 350.
    const Case cases[] = {{350.0, 10.0, 0.0},    {10.0, 350.0, 0.0}, {100.0, 200.0, 150.0},
                          {300.0, 40.0, 350.0},  {0.0, 180.0, 90.0}, {180.0, 0.0, 270.0},
                          {359.0, 359.0, 359.0}, {20.0, 30.0, 25.0}};
    for (const Case& c : cases) {
        EXPECT_NEAR(CompositeChart::midpoint(c.first, c.second), c.expected, 1e-9)
            << c.first << " and " << c.second;
    }
}

TEST(CompositeChart, BodiesWithoutHousesAreMidpointsWithNoRetrogradeAndNoEngine) {
    // A chart without houses gives a composite without houses: nothing to ask the engine.
    ChartData first = testing::chartWith({{Bodies::Sun, 350.0}, {Bodies::Mars, 100.0}}, false);
    const ChartData second = testing::chartWith({{Bodies::Sun, 10.0}, {Bodies::Mars, 140.0}});
    first[Bodies::Mars].retrograde = 1;
    ChartData composite = testing::hiddenChart();
    ChartComputation unused;
    ASSERT_TRUE(CompositeChart::compute(first, second, BirthData{}, 0, unused, composite));
    EXPECT_EQ(composite.housesUnavailable, 1);
    EXPECT_NEAR(composite[Bodies::Sun].longitude, 0.0, 1e-9);
    EXPECT_EQ(composite[Bodies::Sun].sign, 1);
    EXPECT_NEAR(composite[Bodies::Mars].longitude, 120.0, 1e-9);
    EXPECT_EQ(composite[Bodies::Mars].sign, 5);
    EXPECT_EQ(composite[Bodies::Mars].retrograde, 0);
    EXPECT_EQ(composite.style[Bodies::Mars].shown, 0) << "display settings stay";
}

TEST(DavisonChart, MomentIsHalfwayInUniversalTime) {
    struct Case {
        const char* what;
        DateTime first, second, expected;  // hour, minute, day, month, year
    };
    // Worked on a calendar by hand. 1960 to 1980 is 7305 days with five leap days; 3652.5
    // days on is one short of 1 January 1970.
    const Case cases[] = {
        {"two and a half days", {0, 0, 1, 1, 2000}, {12, 0, 3, 1, 2000}, {6, 0, 2, 1, 2000}},
        {"order does not matter", {12, 0, 3, 1, 2000}, {0, 0, 1, 1, 2000}, {6, 0, 2, 1, 2000}},
        {"across 29 February", {22, 0, 28, 2, 2000}, {2, 0, 2, 3, 2000}, {0, 0, 1, 3, 2000}},
        {"across a year end", {23, 0, 31, 12, 1999}, {1, 30, 1, 1, 2000}, {0, 15, 1, 1, 2000}},
        {"half a minute goes earlier",
         {10, 0, 5, 5, 1990},
         {10, 1, 5, 5, 1990},
         {10, 0, 5, 5, 1990}},
        {"twenty years apart", {0, 0, 1, 1, 1960}, {0, 0, 1, 1, 1980}, {12, 0, 31, 12, 1969}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DavisonChart::halfwayMoment(greenwichBirth(c.first), greenwichBirth(c.second)),
                  c.expected)
            << c.what;
    }
}

TEST(DavisonChart, PlaceIsHalfwayOnTheShorterArc) {
    struct Case {
        double first, second, expected;
    };
    const Case longitudes[] = {{30.0, 40.0, 35.0},      {-10.0, 30.0, 10.0},
                               {170.0, -170.0, 180.0},  {-170.0, 170.0, 180.0},
                               {-160.0, 170.0, -175.0}, {37.6, -74.0, -18.2}};
    for (const Case& c : longitudes) {
        EXPECT_NEAR(DavisonChart::midLongitude(c.first, c.second), c.expected, 1e-9)
            << c.first << " and " << c.second;
    }
    EXPECT_NEAR(DavisonChart::midLatitude(55.75, -33.9), 10.925, 1e-9);
}

}  // namespace
}  // namespace orvanta
