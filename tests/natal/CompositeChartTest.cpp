#include <gtest/gtest.h>

#include "calc/ChartComputation.h"
#include "natal/CompositeChart.h"
#include "natal/DavisonChart.h"
#include "support/HandMadeChart.h"

namespace orvanta {
namespace {

BirthData greenwichBirth(int day, int month, int year, int hour, int minute) {
    BirthData birth;
    birth.gmtDay = day;
    birth.gmtMonth = month;
    birth.gmtYear = year;
    birth.gmtHour = hour;
    birth.gmtMinute = minute;
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
    EXPECT_EQ(composite[Bodies::Mars].shown, 0) << "display settings stay";
}

TEST(CompositeChart, IsToldByTheNameItsBirthDataCarry) {
    BirthData anna = greenwichBirth(1, 1, 2000, 0, 0);
    anna.name = "Анна";
    BirthData boris = greenwichBirth(3, 1, 2000, 12, 0);
    boris.name = "Борис";
    const BirthData composite = CompositeChart::birthData(anna, boris);
    EXPECT_EQ(composite.name, "Композит: Анна и Борис");
    EXPECT_TRUE(CompositeChart::isComposite(composite));
    EXPECT_FALSE(CompositeChart::isComposite(anna));
    EXPECT_FALSE(CompositeChart::isComposite(DavisonChart::birthData(anna, boris)));
    EXPECT_EQ(composite.day, 2);
    EXPECT_EQ(composite.hour, 6);
}

TEST(DavisonChart, MomentIsHalfwayInUniversalTime) {
    struct Case {
        const char* what;
        BirthData first, second;
        DateTime expected;  // hour, minute, day, month, year
    };
    // Worked on a calendar by hand.
    const Case cases[] = {
        {"two and a half days",
         greenwichBirth(1, 1, 2000, 0, 0),
         greenwichBirth(3, 1, 2000, 12, 0),
         {6, 0, 2, 1, 2000}},
        {"order does not matter",
         greenwichBirth(3, 1, 2000, 12, 0),
         greenwichBirth(1, 1, 2000, 0, 0),
         {6, 0, 2, 1, 2000}},
        {"across 29 February",
         greenwichBirth(28, 2, 2000, 22, 0),
         greenwichBirth(2, 3, 2000, 2, 0),
         {0, 0, 1, 3, 2000}},
        {"across a year end",
         greenwichBirth(31, 12, 1999, 23, 0),
         greenwichBirth(1, 1, 2000, 1, 30),
         {0, 15, 1, 1, 2000}},
        {"a half minute goes to the earlier",
         greenwichBirth(5, 5, 1990, 10, 0),
         greenwichBirth(5, 5, 1990, 10, 1),
         {10, 0, 5, 5, 1990}},
        // 7305 days with five leap days; 3652.5 days on, one short of 1 January 1970.
        {"twenty years apart",
         greenwichBirth(1, 1, 1960, 0, 0),
         greenwichBirth(1, 1, 1980, 0, 0),
         {12, 0, 31, 12, 1969}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DavisonChart::halfwayMoment(c.first, c.second), c.expected) << c.what;
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

    BirthData moscow;
    moscow.latitude = 55.75;
    moscow.longitude = 37.6;
    moscow.place = "Москва";
    BirthData newYork;
    newYork.latitude = 40.7;
    newYork.longitude = -74.0;
    newYork.place = "Нью-Йорк";
    const BirthData davison = DavisonChart::birthData(moscow, newYork);
    EXPECT_NEAR(davison.latitude, 48.225, 1e-9);
    EXPECT_NEAR(davison.longitude, -18.2, 1e-9);
    EXPECT_EQ(davison.place, "Москва / Нью-Йорк");
    EXPECT_EQ(davison.diffGreenwich, 0.0);
}

}  // namespace
}  // namespace orvanta
