#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "events/InstantChart.h"
#include "events/Progressions.h"
#include "events/ReturnSearch.h"
#include "support/FakeSky.h"
#include "support/HandMadeChart.h"
#include "support/SwissSky.h"

namespace orvanta {
namespace {

using testing::FakeSky;
using testing::SwissSky;

// Bodies from a FakeSky; an MC that turns at the sidereal rate with a wobble of a few degrees
// over the day, as the ecliptic's obliquity makes it, and each cusp 30° on from the one before
// with the tenth on the MC.
class FakeHouses : public FakeSky {
  public:
    static double mcAt(double time) {
        const double days = time - kEpoch;
        const double mc = 40.0 + 360.98564736629 * days + 4.0 * std::sin(4.0 * M_PI * days);
        return std::fmod(std::fmod(mc, 360.0) + 360.0, 360.0);
    }

    std::optional<HouseCusps> houses(double time, double, double, int) const override {
        HouseCusps cusps;
        cusps.mc = mcAt(time);
        for (int house = 1; house <= 12; ++house) {
            cusps.cusp[static_cast<std::size_t>(house)] =
                std::fmod(cusps.mc + 30.0 * (house - 10) + 720.0, 360.0);
        }
        cusps.ascendant = cusps.cusp[1];
        return cusps;
    }
};

double distance(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

// 1 January 2000 12:00 UT is JD 2451545.0; 1 January 2030 12:00 UT lies 30 * 365 + 8 days
// later (the leap days of 2000 to 2028), so (target - birth) / 365.2422 = 10958 / 365.2422
// = 30 + 0.734 / 365.2422 = 30.0020096 days.
TEST(Progressions, MomentIsADayAfterBirthForEachTropicalYear) {
    EXPECT_NEAR(Progressions::progressedMoment(2451545.0, 2462503.0), 2451575.0020096, 1e-7);
    EXPECT_DOUBLE_EQ(Progressions::progressedMoment(2451545.0, 2451545.0), 2451545.0);
}

// The Sun at 359.5° at birth, a degree a day: a year on, the progressed Sun stands at 0.5°,
// an arc of 1° rather than -359°, and objects near the end of Pisces move into Aries.
TEST(Progressions, SolarArcCarriesObjectsAcrossZeroAries) {
    FakeSky sky;
    sky.set(Bodies::Sun, 359.5, 1.0);
    const double birth = FakeSky::kEpoch;
    const double progressed = Progressions::progressedMoment(birth, birth + 365.2422);
    const auto arc = Progressions::solarArc(sky, birth, progressed);
    ASSERT_TRUE(arc);
    EXPECT_NEAR(*arc, 1.0, 1e-9);

    ChartData chart = testing::chartWith({{Bodies::Sun, 359.5}, {Bodies::Moon, 10.0}, {27, 359.8}});
    Progressions::direct(chart, *arc);
    EXPECT_NEAR(chart[Bodies::Sun].longitude, 0.5, 1e-9);
    EXPECT_NEAR(chart[Bodies::Moon].longitude, 11.0, 1e-9);
    EXPECT_NEAR(chart[27].longitude, 0.8, 1e-9);
    EXPECT_EQ(chart[27].sign, 1);
}

// The progressed MC is the natal MC plus the arc, even where the MC runs unevenly; the other
// cusps come from the same moment, and the bodies from the progressed day.
TEST(Progressions, ProgressedMcIsNatalMcPlusTheSolarArc) {
    FakeHouses sky;
    sky.set(Bodies::Sun, 100.0, 0.98);
    sky.set(Bodies::Moon, 200.0, 13.2);
    const ProgressionBase base{FakeSky::kEpoch + 0.3, 55.75, 37.6, 0};
    const double target = base.birthUt + 40.0 * 365.2422;  // 40 days on, 40 * 0.98° of arc
    ChartData chart = testing::chartWith({{Bodies::Sun, 0.0}, {Bodies::Moon, 0.0}});
    ASSERT_TRUE(Progressions::progress(sky, base, target, chart));

    const double natalMc = FakeHouses::mcAt(base.birthUt);
    EXPECT_LT(distance(chart[26].longitude, natalMc + 40.0 * 0.98), 1e-6);
    EXPECT_LT(distance(chart[17].longitude, natalMc + 40.0 * 0.98 + 90.0), 1e-6);
    EXPECT_NEAR(chart[Bodies::Sun].longitude, 100.0 + 0.3 * 0.98 + 40.0 * 0.98, 1e-9);
    EXPECT_NEAR(chart[Bodies::Moon].longitude, std::fmod(200.0 + 40.3 * 13.2, 360.0), 1e-7);
}

// Returns against Swiss Ephemeris called directly: the birth of 12 April 1961, 06:07 UT.
class RealReturns : public ::testing::Test {
  protected:
    SwissSky sky;
    const double birth = SwissSky::julianDay(12, 4, 1961, 6.0 + 7.0 / 60.0);
    double natal(int body) const { return sky.body(body, birth)->longitude; }
};

TEST_F(RealReturns, SolarReturnMeetsTheNatalSunNearTheBirthday) {
    for (const int year : {1962, 2027, 2100}) {
        const auto moment = ReturnSearch::solar(sky, natal(Bodies::Sun), 12, 4, year);
        ASSERT_TRUE(moment) << year;
        EXPECT_LT(distance(sky.body(Bodies::Sun, *moment)->longitude, natal(Bodies::Sun)), 1e-5);
        EXPECT_LT(std::fabs(*moment - SwissSky::julianDay(12, 4, year, 6.0)), 2.0) << year;
    }
}

// The first return of March 2027 at or after its first moment in Moscow (UTC+3).
TEST_F(RealReturns, LunarReturnIsTheMonthsFirstMeetingWithTheNatalMoon) {
    const double start = SwissSky::julianDay(1, 3, 2027, 0.0) - 3.0 / 24.0;
    const auto moment = ReturnSearch::lunar(sky, natal(Bodies::Moon), start);
    ASSERT_TRUE(moment);
    EXPECT_LT(distance(sky.body(Bodies::Moon, *moment)->longitude, natal(Bodies::Moon)), 1e-5);
    EXPECT_GE(*moment, start);
    // The meeting before it (returns are 27 to 28 days apart) came before the month began.
    const auto before =
        ReturnSearch::firstAfter(sky, Bodies::Moon, natal(Bodies::Moon), *moment - 29.0, 28.9);
    ASSERT_TRUE(before);
    EXPECT_LT(*before, start);
    EXPECT_GT(*before, *moment - 28.0);
}

TEST_F(RealReturns, ReturnChartTakesTheBodiesOfTheExactMoment) {
    const auto moment = ReturnSearch::solar(sky, natal(Bodies::Sun), 12, 4, 2027);
    ASSERT_TRUE(moment);
    ChartData chart = testing::hiddenChart(false);
    ASSERT_TRUE(InstantChart::fill(sky, *moment, 55.75, 37.6, 0, chart));
    EXPECT_LT(distance(chart[Bodies::Sun].longitude, natal(Bodies::Sun)), 1e-5);
    // Mercury's speed from Swiss Ephemeris decides the mark; bodies it lacks stand at 0°.
    EXPECT_EQ(chart[Bodies::Mercury].retrograde,
              sky.body(Bodies::Mercury, *moment)->speed < 0.0 ? 1 : 0);
    EXPECT_EQ(chart[16].longitude, 0.0);
}

}  // namespace
}  // namespace orvanta
