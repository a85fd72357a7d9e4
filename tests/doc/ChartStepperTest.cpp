#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "birthdata/TimeChangeBase.h"
#include "doc/CZodiacDoc.h"
#include "doc/ChartStepper.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using Direction = ChartStepper::Direction;

ChartStep stepOf(int years, int months, int days, int hours, int minutes) {
    return ChartStep{years, months, days, hours, minutes};
}

// Expected moments are worked out on a calendar by hand.
TEST(ChartStepper, MovesTheLocalMomentAndPutsTheDateRight) {
    struct Case {
        const char* what;
        DateTime from;  // hour, minute, day, month, year
        ChartStep step;
        Direction direction;
        DateTime expected;
    };
    const Case cases[] = {
        {"30 Jan + 1 month",
         {12, 0, 30, 1, 2001},
         stepOf(0, 1, 0, 0, 0),
         Direction::Forward,
         {12, 0, 2, 3, 2001}},
        {"31 Jan + 1 month",
         {12, 0, 31, 1, 2001},
         stepOf(0, 1, 0, 0, 0),
         Direction::Forward,
         {12, 0, 3, 3, 2001}},
        {"31 Mar - 1 month",
         {12, 0, 31, 3, 2001},
         stepOf(0, 1, 0, 0, 0),
         Direction::Backward,
         {12, 0, 3, 3, 2001}},
        {"1 Mar - 1 day, common year",
         {8, 15, 1, 3, 2001},
         stepOf(0, 0, 1, 0, 0),
         Direction::Backward,
         {8, 15, 28, 2, 2001}},
        {"1 Mar - 1 day, leap year",
         {8, 15, 1, 3, 2000},
         stepOf(0, 0, 1, 0, 0),
         Direction::Backward,
         {8, 15, 29, 2, 2000}},
        {"28 Feb 2100 + 1 day, a common year",
         {8, 15, 28, 2, 2100},
         stepOf(0, 0, 1, 0, 0),
         Direction::Forward,
         {8, 15, 1, 3, 2100}},
        {"29 Feb 2096 + 4 years lands after February 2100",
         {8, 15, 29, 2, 2096},
         stepOf(4, 0, 0, 0, 0),
         Direction::Forward,
         {8, 15, 1, 3, 2100}},
        {"23:30 + 1 hour",
         {23, 30, 31, 12, 2001},
         stepOf(0, 0, 0, 1, 0),
         Direction::Forward,
         {0, 30, 1, 1, 2002}},
        {"00:10 - 20 minutes",
         {0, 10, 1, 1, 2001},
         stepOf(0, 0, 0, 0, 20),
         Direction::Backward,
         {23, 50, 31, 12, 2000}},
        {"23:59 + 100 minutes",
         {23, 59, 10, 5, 2001},
         stepOf(0, 0, 0, 0, 100),
         Direction::Forward,
         {1, 39, 11, 5, 2001}},
        {"31 Dec + 100 days",
         {6, 0, 31, 12, 2001},
         stepOf(0, 0, 100, 0, 0),
         Direction::Forward,
         {6, 0, 10, 4, 2002}},
        {"15 Jan - 14 months",
         {6, 0, 15, 1, 2001},
         stepOf(0, 14, 0, 0, 0),
         Direction::Backward,
         {6, 0, 15, 11, 1999}},
        {"31 Jan - 2 months lands on a 30-day November",
         {6, 0, 31, 1, 2001},
         stepOf(0, 2, 0, 0, 0),
         Direction::Backward,
         {6, 0, 1, 12, 2000}},
        {"year held at 2130",
         {6, 0, 15, 6, 2128},
         stepOf(5, 0, 0, 0, 0),
         Direction::Forward,
         {6, 0, 15, 6, 2130}},
        {"carry from December passes 2130",
         {6, 0, 15, 12, 2129},
         stepOf(5, 1, 0, 0, 0),
         Direction::Forward,
         {6, 0, 15, 1, 2131}},
        {"year held at 1860",
         {6, 0, 15, 6, 1861},
         stepOf(3, 0, 0, 0, 0),
         Direction::Backward,
         {6, 0, 15, 6, 1860}},
        {"every amount at once",
         {10, 45, 28, 2, 2001},
         stepOf(1, 1, 1, 1, 20),
         Direction::Forward,
         {12, 5, 29, 3, 2002}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChartStepper::moved(c.from, c.step, c.direction), c.expected) << c.what;
    }
}

BirthData localBirth(int day, int month, int year, int hour, int minute, double diffGreenwich) {
    BirthData birth;
    birth.day = day;
    birth.month = month;
    birth.year = year;
    birth.hour = hour;
    birth.minute = minute;
    birth.diffGreenwich = diffGreenwich;
    birth.diffMoscow = 0.0;
    return birth;
}

TimeChangeBase baseFrom1981() {
    TimeChangeBase base;
    TimeChange summer;
    summer.day = 1;
    summer.month = 4;
    summer.year = 1981;
    summer.hour = 0;
    summer.difference = 4;
    base.add(summer);
    TimeChange winter = summer;
    winter.month = 10;
    winter.difference = 3;
    base.add(winter);
    return base;
}

TEST(ChartStepper, TakesTheDifferenceFromTheBaseOnlyForAnAutomaticZone) {
    const TimeChangeBase base = baseFrom1981();
    const BirthData may = localBirth(31, 5, 1981, 12, 0, 3.0);

    // Automatic zone: 1 June 1981 falls in the summer record, Moscow + 4 hours; 12:00 - 4 = 8:00.
    const BirthData automatic =
        ChartStepper::stepped(may, stepOf(0, 0, 1, 0, 0), Direction::Forward, &base, true);
    EXPECT_EQ(automatic.day, 1);
    EXPECT_EQ(automatic.month, 6);
    EXPECT_DOUBLE_EQ(automatic.diffGreenwich, 4.0);
    EXPECT_EQ(automatic.gmtHour, 8);
    EXPECT_EQ(automatic.gmtDay, 1);

    // An automatic zone east of Moscow adds its own difference from Moscow.
    BirthData east = may;
    east.diffMoscow = 2.0;
    EXPECT_DOUBLE_EQ(
        ChartStepper::stepped(east, stepOf(0, 0, 1, 0, 0), Direction::Forward, &base, true)
            .diffGreenwich,
        6.0);

    // A zone entered by hand stays as entered: 12:00 - 3 = 9:00.
    const BirthData byHand =
        ChartStepper::stepped(may, stepOf(0, 0, 1, 0, 0), Direction::Forward, &base, false);
    EXPECT_DOUBLE_EQ(byHand.diffGreenwich, 3.0);
    EXPECT_EQ(byHand.gmtHour, 9);
    EXPECT_EQ(byHand.gmtMinute, 0);
}

TEST(ChartStepper, KeepsTheDifferenceBeforeEveryRecordAndCrossesMidnightInGreenwich) {
    const TimeChangeBase base = baseFrom1981();
    // 1970 is earlier than every record: the difference stays 3; 5 March 1970 01:09 local is
    // 4 March 22:09 in Greenwich.
    const BirthData birth = localBirth(5, 3, 1970, 0, 9, 3.0);
    const BirthData stepped =
        ChartStepper::stepped(birth, stepOf(0, 0, 0, 1, 0), Direction::Forward, &base, true);
    EXPECT_EQ(stepped.hour, 1);
    EXPECT_DOUBLE_EQ(stepped.diffGreenwich, 3.0);
    EXPECT_EQ(stepped.gmtDay, 4);
    EXPECT_EQ(stepped.gmtMonth, 3);
    EXPECT_EQ(stepped.gmtYear, 1970);
    EXPECT_EQ(stepped.gmtHour, 22);
    EXPECT_EQ(stepped.gmtMinute, 9);

    // A half-hour zone: 1:09 - 5.5 hours = 19:39 the day before.
    const BirthData india =
        ChartStepper::stepped(localBirth(5, 3, 1970, 0, 9, 5.5), stepOf(0, 0, 0, 1, 0),
                              Direction::Forward, nullptr, false);
    EXPECT_EQ(india.gmtHour, 19);
    EXPECT_EQ(india.gmtMinute, 39);
}

TEST(ChartStepper, AStepPastADamagedTimeChangeNamesIt) {
    TimeChangeBase base = baseFrom1981();
    TimeChange damaged = base.records()[1];
    damaged.year = 1982;
    damaged.difference = -100000;
    base.add(damaged);  // last: passed over by every search after October 1981
    testing::ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    doc.natal().birth = localBirth(31, 5, 1981, 12, 0, 3.0);
    doc.natal().autoGreenwich = 1;
    doc.step() = stepOf(0, 0, 1, 0, 0);
    testing::MessageRecorder recorder;
    ASSERT_TRUE(doc.stepChart(Direction::Forward, &base));
    EXPECT_DOUBLE_EQ(doc.natal().birth.diffGreenwich, 4.0);  // the summer record still answers
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_NE(recorder.messages[0].find("запись 3 (с [1.10.1982, 0:00], разн. +-100000ч.)"),
              std::string::npos)
        << recorder.messages[0];
}

TEST(ChartStepper, AStepOfNothingLeavesTheDocumentAlone) {
    testing::ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    doc.natal().birth = localBirth(5, 3, 1970, 7, 9, 3.0);
    int hints = 0;
    doc.subscribe([&](int) { ++hints; });
    doc.step() = stepOf(0, 0, 0, 0, 0);
    EXPECT_FALSE(doc.stepChart(Direction::Forward, nullptr));
    EXPECT_EQ(doc.natal().birth.day, 5);
    EXPECT_EQ(doc.natal().birth.hour, 7);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(hints, 0);
}

TEST(ChartStepper, AStepComputesTheChartAgainAndMarksTheTextOutOfDate) {
    testing::ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    doc.natal().birth = localBirth(5, 3, 1970, 7, 9, 3.0);
    ASSERT_TRUE(doc.recompute());
    const double moonBefore = doc.natal().chart[Bodies::Moon].longitude;
    doc.refreshInterpretation();  // no library here: the text is empty but current
    std::vector<int> hints;
    doc.subscribe([&](int hint) { hints.push_back(hint); });
    doc.step() = stepOf(0, 0, 1, 0, 0);
    ASSERT_TRUE(doc.stepChart(Direction::Forward, nullptr));
    EXPECT_EQ(doc.natal().birth.day, 6);
    EXPECT_EQ(doc.natal().birth.gmtHour, 4);
    // The Moon moves some 12 to 15 degrees a day.
    const double moved =
        std::fmod(doc.natal().chart[Bodies::Moon].longitude - moonBefore + 360.0, 360.0);
    EXPECT_GT(moved, 10.0);
    EXPECT_LT(moved, 16.0);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.interpretation().isOutOfDate());
    EXPECT_EQ(hints, std::vector<int>{CZodiacDoc::kHintNatal | CZodiacDoc::kHintEventChart});
}

}  // namespace
}  // namespace orvanta
