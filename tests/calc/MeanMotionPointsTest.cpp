#include <gtest/gtest.h>

#include "calc/MeanMotionPoints.h"

namespace orvanta {
namespace {

// Reference rates from the published mean motions: Proserpina 1800' in 23730 days, Selena
// 308600' in 36524 days.
constexpr double kProserpinaRate = 1800.0 / 23730.0;
constexpr double kSelenaRate = 308600.0 / 36524.0;

TEST(MeanMotionPoints, ProserpinaStartsAt180DegreesOn20February1918) {
    const DateTime epoch{0, 0, 20, 2, 1918};
    EXPECT_EQ(MeanMotionPoints::proserpinaDayCount(epoch), 0.0);
    EXPECT_EQ(MeanMotionPoints::proserpina(epoch), 180.0);
    ObjectPosition o;
    MeanMotionPoints::place(180.0, o);
    // Exactly 30 stays in the lower sign: Virgo 30°, not Libra 0°.
    EXPECT_EQ(o.sign, 6);
    EXPECT_EQ(o.degreeInSign, 30.0);
    EXPECT_EQ(o.longitude, 180.0);
    EXPECT_EQ(o.retrograde, 0);
}

TEST(MeanMotionPoints, ProserpinaDayCountsAroundTheEpoch) {
    EXPECT_EQ(MeanMotionPoints::proserpinaDayCount({0, 0, 1, 3, 1918}), 9.0);
    EXPECT_EQ(MeanMotionPoints::proserpinaDayCount({0, 0, 20, 1, 1918}), -31.0);
    EXPECT_EQ(MeanMotionPoints::proserpinaDayCount({12, 0, 20, 2, 1918}), 0.5);
    EXPECT_EQ(MeanMotionPoints::proserpinaDayCount({0, 0, 20, 2, 1919}), 365.0);
    // Day differences from the Gregorian calendar: 20 Feb 1917 is 365 days back, 20 Feb 1916
    // 731 (it includes 29 Feb 1916), 1 Jan 2000 is 29900 days on.
    EXPECT_EQ(MeanMotionPoints::proserpinaDayCount({0, 0, 20, 2, 1917}), -365.0);
    EXPECT_EQ(MeanMotionPoints::proserpinaDayCount({0, 0, 20, 2, 1916}), -731.0);
    EXPECT_EQ(MeanMotionPoints::proserpinaDayCount({0, 0, 1, 1, 2000}), 29900.0);
    EXPECT_NEAR(MeanMotionPoints::proserpina({0, 0, 1, 1, 2000}),
                29900.0 * kProserpinaRate / 60.0 + 180.0, 1e-9);
}

TEST(MeanMotionPoints, SelenaStartsAt139DegreesOn1January1900) {
    const DateTime epoch{0, 0, 1, 1, 1900};
    EXPECT_EQ(MeanMotionPoints::selenaDayCount(epoch), 0.0);
    ObjectPosition o;
    MeanMotionPoints::place(MeanMotionPoints::selena(epoch), o);
    EXPECT_NEAR(o.longitude, 8350.0 / 60.0, 1e-12);
    EXPECT_EQ(o.sign, 5);
    EXPECT_NEAR(o.degreeInSign, 8350.0 / 60.0 - 120.0, 1e-12);
    // 1900 is not a leap year: 1 March 1900 is day 59; 1 January 2000 is day 36524.
    EXPECT_EQ(MeanMotionPoints::selenaDayCount({0, 0, 1, 3, 1900}), 59.0);
    EXPECT_EQ(MeanMotionPoints::selenaDayCount({0, 0, 1, 1, 2000}), 36524.0);
    EXPECT_EQ(MeanMotionPoints::selenaDayCount({0, 0, 1, 1, 1899}), -365.0);
    EXPECT_NEAR(MeanMotionPoints::selena({6, 30, 1, 1, 2000}),
                (kSelenaRate * (36524.0 + 6.5 / 24.0) + 8350.0) / 60.0, 1e-9);
}

// Julian day number of a Gregorian date by the standard integer formula (Fliegel and
// Van Flandern), independent of the program's calendar.
long julianDayNumber(int day, int month, int year) {
    const long a = (14 - month) / 12;
    const long y = year + 4800 - a;
    const long m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

TEST(MeanMotionPoints, DayCountsStayRightAcrossTheCommonYear2100) {
    for (const Date d : {Date{28, 2, 2100}, Date{1, 3, 2100}, Date{31, 12, 2100}, Date{1, 3, 2104},
                         Date{31, 12, 2130}}) {
        const DateTime ut{0, 0, d.day, d.month, d.year};
        const long days = julianDayNumber(d.day, d.month, d.year);
        EXPECT_EQ(MeanMotionPoints::selenaDayCount(ut), days - julianDayNumber(1, 1, 1900))
            << d.day << "." << d.month << "." << d.year;
        EXPECT_EQ(MeanMotionPoints::proserpinaDayCount(ut), days - julianDayNumber(20, 2, 1918))
            << d.day << "." << d.month << "." << d.year;
    }
    // 1 March 2100 follows 28 February by one day's motion, not two.
    const double selenaStep = MeanMotionPoints::selena({0, 0, 1, 3, 2100}) -
                              MeanMotionPoints::selena({0, 0, 28, 2, 2100});
    EXPECT_NEAR(selenaStep, kSelenaRate / 60.0, 1e-4);
}

TEST(MeanMotionPoints, PlacingWrapsBothWays) {
    ObjectPosition o;
    MeanMotionPoints::place(-10.0, o);
    EXPECT_EQ(o.sign, 12);
    EXPECT_EQ(o.degreeInSign, 20.0);
    EXPECT_EQ(o.longitude, 350.0);

    MeanMotionPoints::place(-70.0, o);
    EXPECT_EQ(o.sign, 10);
    EXPECT_EQ(o.degreeInSign, 20.0);

    MeanMotionPoints::place(725.5, o);  // two turns and 5.5 degrees
    EXPECT_EQ(o.sign, 1);
    EXPECT_EQ(o.degreeInSign, 5.5);
    EXPECT_EQ(o.minutes, 30.0);
    EXPECT_EQ(o.longitude, 5.5);

    MeanMotionPoints::place(360.0, o);  // 30 stays in the lower sign: Pisces 30°
    EXPECT_EQ(o.sign, 12);
    EXPECT_EQ(o.degreeInSign, 30.0);

    MeanMotionPoints::place(std::numeric_limits<double>::infinity(), o);
    EXPECT_GE(o.sign, 1);
    EXPECT_LE(o.sign, 12);
}

}  // namespace
}  // namespace orvanta
