#include <gtest/gtest.h>

#include <cmath>

#include "doc/CZodiacDoc.h"
#include "doc/CombinedChart.h"
#include "natal/CompositeChart.h"
#include "natal/DavisonChart.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

BirthData birthAt(const char* name, int day, int month, int year, int hour, double zone,
                  double latitude, double longitude) {
    BirthData birth;
    birth.entered = 1;
    birth.day = day;
    birth.month = month;
    birth.year = year;
    birth.hour = hour;
    birth.minute = 0;
    birth.deriveGreenwich(zone);
    birth.name = name;
    birth.latitude = latitude;
    birth.longitude = longitude;
    return birth;
}

double arc(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

class CombinedChartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(
            anna.newChart(birthAt("Анна", 12, 4, 1961, 9, 3.0, 55.75, 37.6), 0, false, false));
        ASSERT_TRUE(
            boris.newChart(birthAt("Борис", 20, 7, 1969, 20, -4.0, 40.7, -74.0), 0, false, false));
    }
    testing::ScratchFolder folder;
    CZodiacDoc anna{folder.path()};
    CZodiacDoc boris{folder.path()};
    CZodiacDoc combined{folder.path()};
};

TEST_F(CombinedChartTest, CompositeHasMidpointsAndHousesAboutTheMidpointOfTheMidheavens) {
    ASSERT_TRUE(CombinedChart::build(CombinedChart::Kind::Composite, anna.natal(), boris.natal(),
                                     combined));
    const ChartData& a = anna.natal().chart;
    const ChartData& b = boris.natal().chart;
    const ChartData& c = combined.natal().chart;
    EXPECT_EQ(combined.natal().birth.name, "Композит: Анна и Борис");
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        EXPECT_NEAR(c[body].longitude,
                    CompositeChart::midpoint(a[body].longitude, b[body].longitude), 1e-9)
            << body;
    }
    const int mc = Bodies::cuspOfHouse(10);
    EXPECT_LT(arc(c[mc].longitude, CompositeChart::midpoint(a[mc].longitude, b[mc].longitude)),
              1e-3);
    // The cusps belong to one house frame: the fourth opposite the tenth, the seventh opposite
    // the Ascendant, and the Ascendant in the eastern half, within 180 degrees after the MC.
    EXPECT_LT(arc(c[Bodies::cuspOfHouse(4)].longitude, c[mc].longitude + 180.0), 1e-6);
    EXPECT_LT(arc(c[Bodies::cuspOfHouse(7)].longitude, c[Bodies::Ascendant].longitude + 180.0),
              1e-6);
    const double ascAfterMc =
        std::fmod(c[Bodies::Ascendant].longitude - c[mc].longitude + 360.0, 360.0);
    EXPECT_GT(ascAfterMc, 0.0);
    EXPECT_LT(ascAfterMc, 180.0);
    // The houses were derived at the midpoint latitude of 55.75 and 40.7.
    EXPECT_NEAR(combined.natal().birth.latitude, 48.225, 1e-9);
}

TEST_F(CombinedChartTest, StepRefusesACompositeAndLeavesItAlone) {
    ASSERT_TRUE(CombinedChart::build(CombinedChart::Kind::Composite, anna.natal(), boris.natal(),
                                     combined));
    const double sun = combined.natal().chart[Bodies::Sun].longitude;
    combined.step() = ChartStep{0, 0, 1, 0, 0};
    testing::MessageRecorder messages;
    EXPECT_FALSE(combined.stepChart(ChartStepper::Direction::Forward, nullptr));
    EXPECT_EQ(messages.messages, std::vector<std::string>{CompositeChart::kNoMomentMessage});
    EXPECT_EQ(combined.natal().chart[Bodies::Sun].longitude, sun);
    EXPECT_EQ(combined.natal().birth.day,
              CompositeChart::birthData(anna.natal().birth, boris.natal().birth).day);
}

TEST_F(CombinedChartTest, DavisonIsTheRealChartOfItsBirthDataAndSteps) {
    ASSERT_TRUE(
        CombinedChart::build(CombinedChart::Kind::Davison, anna.natal(), boris.natal(), combined));
    const BirthData& birth = combined.natal().birth;
    EXPECT_EQ(birth.name, "Дэвисон: Анна и Борис");
    // 12.4.1961 06:00 UT and 21.7.1969 00:00 UT are 3021.75 days apart; halfway is 1510.875
    // days, 1511 days and 3 hours after 12.4.1961 00:00: 1461 days to 12.4.1965, then 50
    // more to 1.6.1965 (worked on a calendar).
    EXPECT_EQ(
        (DateTime{birth.gmtHour, birth.gmtMinute, birth.gmtDay, birth.gmtMonth, birth.gmtYear}),
        (DateTime{3, 0, 1, 6, 1965}));
    CZodiacDoc again(folder.path());
    ASSERT_TRUE(again.newChart(birth, 0, false, false));
    for (int object = 1; object <= Bodies::kLastCusp; ++object) {
        EXPECT_EQ(again.natal().chart[object].longitude, combined.natal().chart[object].longitude)
            << object;
    }
    combined.step() = ChartStep{0, 0, 1, 0, 0};
    EXPECT_TRUE(combined.stepChart(ChartStepper::Direction::Forward, nullptr));
}

}  // namespace
}  // namespace orvanta
