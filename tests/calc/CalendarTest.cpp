#include <gtest/gtest.h>

#include <chrono>

#include "calc/Calendar.h"

namespace orvanta {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;
using std::chrono::year_month_day;

// The standard library's (proleptic Gregorian) calendar is an independent reference over the
// program's whole range.
constexpr int kLastGregorianYear = Calendar::kLastYear;

std::chrono::sys_days toSysDays(Date d) {
    return year_month_day{year{d.year}, month{static_cast<unsigned>(d.month)},
                          day{static_cast<unsigned>(d.day)}};
}

TEST(Calendar, LeapRuleIsGregorian) {
    EXPECT_TRUE(Calendar::isLeapYear(2000));
    EXPECT_FALSE(Calendar::isLeapYear(2100));
    EXPECT_TRUE(Calendar::isLeapYear(2104));
    EXPECT_TRUE(Calendar::isLeapYear(1860));
    EXPECT_FALSE(Calendar::isLeapYear(1900));
    EXPECT_FALSE(Calendar::isLeapYear(2001));
    EXPECT_EQ(Calendar::leapYearsBetween(1918, 1982), 16);
    EXPECT_EQ(Calendar::leapYearsBetween(1900, 1999), 24);
    EXPECT_EQ(Calendar::leapYearsBetween(1990, 1980), 0);
    // Every 400 years hold 100 multiples of 4, less 4 centuries, plus 1: 97, on either side of
    // year 0, which is itself a leap year.
    EXPECT_EQ(Calendar::leapYearsBetween(1601, 2000), 97);
    EXPECT_EQ(Calendar::leapYearsBetween(-400, -1), 97);
    EXPECT_EQ(Calendar::leapYearsBetween(0, 0), 1);
}

TEST(Calendar, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(Calendar::round(0.0), 0);
    EXPECT_EQ(Calendar::round(2.5), 3);
    EXPECT_EQ(Calendar::round(-2.5), -3);
    EXPECT_EQ(Calendar::round(2.4999), 2);
    EXPECT_EQ(Calendar::round(59.5), 60);
}

TEST(Calendar, NextAndPreviousDayFollowTheLeapRule) {
    EXPECT_EQ(Calendar::nextDay({28, 2, 1900}), (Date{1, 3, 1900}));
    EXPECT_EQ(Calendar::nextDay({28, 2, 2100}), (Date{1, 3, 2100}));
    EXPECT_EQ(Calendar::nextDay({31, 12, 2000}), (Date{1, 1, 2001}));
    EXPECT_EQ(Calendar::nextDay({30, 4, 2000}), (Date{1, 5, 2000}));
    EXPECT_EQ(Calendar::previousDay({1, 3, 2000}), (Date{29, 2, 2000}));
    EXPECT_EQ(Calendar::previousDay({1, 3, 1900}), (Date{28, 2, 1900}));
    EXPECT_EQ(Calendar::previousDay({1, 8, 2020}), (Date{31, 7, 2020}));
    EXPECT_EQ(Calendar::previousDay({1, 1, 2001}), (Date{31, 12, 2000}));
    EXPECT_EQ(Calendar::previousDay({1, 5, 2001}), (Date{30, 4, 2001}));
}

TEST(Calendar, DayStepsAgreeWithTheStandardCalendar) {
    for (Date d{1, 1, 1860}; d.year <= kLastGregorianYear; d = Calendar::nextDay(d)) {
        const auto next = Calendar::nextDay(d);
        ASSERT_EQ(toSysDays(next) - toSysDays(d), std::chrono::days{1})
            << d.day << "." << d.month << "." << d.year;
        ASSERT_EQ(Calendar::previousDay(next), d);
    }
}

TEST(Calendar, HourShiftMovesAtMostOneDay) {
    EXPECT_EQ(Calendar::hourShift(1.0, {23, 30, 31, 12, 2000}), (DateTime{0, 30, 1, 1, 2001}));
    EXPECT_EQ(Calendar::hourShift(-0.5, {0, 15, 1, 3, 2000}), (DateTime{23, 45, 29, 2, 2000}));
    EXPECT_EQ(Calendar::hourShift(3.0, {21, 0, 5, 6, 2010}), (DateTime{24, 0, 5, 6, 2010}));
    EXPECT_EQ(Calendar::hourShift(-3.0, {2, 0, 1, 1, 2000}), (DateTime{23, 0, 31, 12, 1999}));
    EXPECT_EQ(Calendar::hourShift(5.75, {10, 0, 1, 1, 2000}), (DateTime{15, 45, 1, 1, 2000}));
    // A minute may round up to 60: 9:59.99 is written as 9:60.
    EXPECT_EQ(Calendar::hourShift(0.99999 / 60.0, {9, 59, 1, 1, 2000}).minute, 60);
}

TEST(Calendar, HourCountsMatchTheStandardCalendarBothWays) {
    EXPECT_EQ(Calendar::hoursSinceBase({1, 1, 1860}, 0.0), 0.0);
    EXPECT_EQ(Calendar::hoursSinceBase({2, 1, 1860}, 0.0), 24.0);
    const auto feb = Calendar::dateFromHours(744.0);
    EXPECT_EQ(feb.date, (Date{1, 2, 1860}));
    EXPECT_EQ(feb.hours, 0.0);
    const auto jan = Calendar::dateFromHours(743.5);
    EXPECT_EQ(jan.date, (Date{31, 1, 1860}));
    EXPECT_EQ(jan.hours, 23.5);

    const auto base = toSysDays({1, 1, 1860});
    for (Date d{1, 1, 1860}; d.year <= kLastGregorianYear; d = Calendar::nextDay(d)) {
        const double hours = Calendar::hoursSinceBase(d, 6.5);
        ASSERT_EQ(hours, 24.0 * (toSysDays(d) - base).count() + 6.5);
        const auto back = Calendar::dateFromHours(hours);
        ASSERT_EQ(back.date, d);
        ASSERT_EQ(back.hours, 6.5);
    }
    // Julian day numbers from the standard Gregorian formula: 1 January 1860 is 2400411,
    // 1 March 2100 is 2488129, so 87718 days lie between.
    EXPECT_EQ(Calendar::hoursSinceBase({1, 3, 2100}, 0.0), 24.0 * 87718);
    EXPECT_EQ(Calendar::dateFromHours(24.0 * 87718).date, (Date{1, 3, 2100}));
}

TEST(Calendar, DateFromHoursSurvivesNonsense) {
    EXPECT_EQ(Calendar::dateFromHours(-5.0).date, (Date{1, 1, 1860}));
    EXPECT_EQ(Calendar::dateFromHours(1e300).date, (Date{1, 1, 1860}));
    EXPECT_EQ(Calendar::dateFromHours(std::numeric_limits<double>::quiet_NaN()).date,
              (Date{1, 1, 1860}));
}

TEST(Calendar, DayOfWeekMatchesTheStandardCalendar) {
    EXPECT_EQ(Calendar::dayOfWeek({1, 1, 2024}), 1);
    EXPECT_EQ(Calendar::dayOfWeek({7, 12, 2026}), 1);
    EXPECT_EQ(Calendar::dayOfWeekName({7, 12, 2026}), "ПОНЕДЕЛЬНИК");
    EXPECT_EQ(Calendar::dayOfWeekName({13, 12, 2026}), "ВОСКРЕСЕНЬЕ");
    for (Date d{1, 1, 1860}; d.year <= kLastGregorianYear; d = Calendar::nextDay(d)) {
        const unsigned isoWeekday = std::chrono::weekday{toSysDays(d)}.iso_encoding();
        ASSERT_EQ(Calendar::dayOfWeek(d), static_cast<int>(isoWeekday))
            << d.day << "." << d.month << "." << d.year;
    }
}

TEST(Calendar, ValidDatesTimesAndMonthLengths) {
    EXPECT_TRUE(Calendar::isValidDate({29, 2, 2000}));
    EXPECT_FALSE(Calendar::isValidDate({29, 2, 1900}));
    EXPECT_FALSE(Calendar::isValidDate({29, 2, 2100}));
    EXPECT_TRUE(Calendar::isValidDate({29, 2, 2104}));
    EXPECT_FALSE(Calendar::isValidDate({31, 4, 2000}));
    EXPECT_FALSE(Calendar::isValidDate({31, 12, 1859}));
    EXPECT_TRUE(Calendar::isValidDate({1, 1, 1860}));
    EXPECT_TRUE(Calendar::isValidDate({31, 12, 2130}));
    EXPECT_FALSE(Calendar::isValidDate({1, 1, 2131}));
    EXPECT_FALSE(Calendar::isValidDate({0, 1, 2000}));
    EXPECT_FALSE(Calendar::isValidDate({1, 13, 2000}));

    EXPECT_TRUE(Calendar::isValidTime(23, 59));
    EXPECT_FALSE(Calendar::isValidTime(24, 0));
    EXPECT_FALSE(Calendar::isValidTime(12, 60));
    EXPECT_FALSE(Calendar::isValidTime(-1, 0));

    EXPECT_EQ(Calendar::monthLength(2, 2000), 29);
    EXPECT_EQ(Calendar::monthLength(2, 1900), 28);
    EXPECT_EQ(Calendar::monthLength(2, 2100), 28);
    EXPECT_EQ(Calendar::monthLength(2, 1701), 29);  // taken as 1860, a leap year
    EXPECT_EQ(Calendar::monthLength(2, 1856), 29);
    EXPECT_EQ(Calendar::monthLength(2, 2200), 28);  // taken as 2130
    EXPECT_EQ(Calendar::monthLength(9, 2000), 30);
    EXPECT_EQ(Calendar::monthLength(13, 2000), -1);
    EXPECT_EQ(Calendar::monthLength(0, 2000), -1);

    EXPECT_TRUE(Calendar::isBefore({31, 12, 1999}, {1, 1, 2000}));
    EXPECT_FALSE(Calendar::isBefore({1, 1, 2000}, {1, 1, 2000}));
    EXPECT_FALSE(Calendar::isBefore({2, 1, 2000}, {1, 1, 2000}));
}

TEST(Calendar, MeanPassageTimeUsesTheBodyPeriod) {
    EXPECT_NEAR(Calendar::meanPassageTime(2, 1.0), 27.33 * 24 / 360, 1e-12);
    EXPECT_NEAR(Calendar::meanPassageTime(1, 2.0), 2 * 365.25 * 24 / 360, 1e-12);
    EXPECT_NEAR(Calendar::meanPassageTime(14, 1.0), 18.7 * 365.25 * 24 / 360, 1e-9);
    EXPECT_EQ(Calendar::meanPassageTime(0, 1.0), 0.0);
    EXPECT_EQ(Calendar::meanPassageTime(17, 1.0), 0.0);
}

TEST(Calendar, DurationWordsPickTheUnitAndHalfSteps) {
    EXPECT_EQ(Calendar::durationWords(36.0), "1.5 сут.");
    EXPECT_EQ(Calendar::durationWords(50.0 / 60.0), "50 мин.");
    EXPECT_EQ(Calendar::durationWords(17532.0), "2 лет.");
    EXPECT_EQ(Calendar::durationWords(8766.0), "1 год.");
    EXPECT_EQ(Calendar::durationWords(504.0), "3 нед.");
    EXPECT_EQ(Calendar::durationWords(1.0), "1 час.");
    EXPECT_EQ(Calendar::durationWords(2.7), "2.5 час.");  // 27 tenths lowered to 25
    EXPECT_EQ(Calendar::durationWords(0.2), "10 мин.");   // 12 minutes lowered to 10
    EXPECT_EQ(Calendar::durationWords(1440.0), "2 мес.");
    EXPECT_EQ(Calendar::durationWords(13149.0), "1.5 лет.");
}

}  // namespace
}  // namespace orvanta
