#include <gtest/gtest.h>

#include <string>

#include "birthdata/ClockChangeText.h"
#include "birthdata/ZoneHistory.h"

namespace orvanta {
namespace {

using Kind = ZoneHistory::Kind;

// Offsets east of Greenwich from the published clock history of each place (the decrees and
// laws named beside each case; the IANA database records the same).
TEST(ZoneHistoryTest, LocalClockOfPlacesAndYearsThatMatter) {
    struct Case {
        const char* zone;
        DateTime local;
        double hours;
        const char* source;
    };
    const Case cases[] = {
        {"Asia/Yekaterinburg", {12, 0, 15, 7, 1985}, 6.0, "Sverdlovsk: +5 standard, summer +1"},
        {"Europe/Moscow", {12, 0, 15, 7, 1961}, 3.0, "no summer time in the USSR 1930-1981"},
        {"Europe/Moscow", {12, 0, 15, 7, 2011}, 4.0, "permanent +4 from 27 March 2011"},
        {"Europe/Moscow", {12, 0, 15, 1, 2014}, 4.0, "still +4 before the law of 2014"},
        {"Europe/Moscow", {12, 0, 15, 12, 2014}, 3.0, "+3 from 26 October 2014 (248-FZ)"},
        {"America/New_York", {12, 0, 3, 11, 1957}, -5.0, "summer time ended 27 October 1957"},
        {"Asia/Kolkata", {12, 0, 1, 6, 1990}, 5.5, "Indian Standard Time"},
        {"Australia/Sydney", {12, 0, 15, 1, 2000}, 11.0, "southern summer: AEDT +11"},
        {"Australia/Sydney", {12, 0, 15, 7, 2000}, 10.0, "southern winter: AEST +10"},
    };
    for (const Case& c : cases) {
        const auto reading = ZoneHistory::atLocal(c.zone, c.local);
        ASSERT_TRUE(reading.has_value()) << c.zone;
        EXPECT_EQ(reading->kind, Kind::Unique) << c.zone << " " << c.source;
        EXPECT_DOUBLE_EQ(reading->offsetHours, c.hours)
            << c.zone << " " << c.local.year << " " << c.source;
    }
    EXPECT_FALSE(ZoneHistory::atLocal("Nowhere/Atlantis", {12, 0, 1, 1, 2000}).has_value());
    EXPECT_FALSE(ZoneHistory::known(""));
    // Moscow at 09:00 Universal Time on 1 July 2011 read 13:00.
    EXPECT_EQ(ZoneHistory::offsetAtUniversal("Europe/Moscow", {9, 0, 1, 7, 2011}), 4.0);
}

TEST(ZoneHistoryTest, ClockJumpsSkipAndRepeatAnHour) {
    // New York, 1957: summer time from 28 April 02:00 (to 03:00) until 27 October 02:00 (back
    // to 01:00). Moscow: the first Soviet summer time began on 1 April 1981 at 00:00.
    const auto spring = ZoneHistory::atLocal("America/New_York", {2, 30, 28, 4, 1957});
    ASSERT_TRUE(spring.has_value());
    EXPECT_EQ(spring->kind, Kind::Skipped);
    EXPECT_EQ(spring->stretchStart, (DateTime{2, 0, 28, 4, 1957}));
    EXPECT_EQ(spring->stretchEnd, (DateTime{3, 0, 28, 4, 1957}));
    EXPECT_EQ(ClockChangeText::skipped(*spring),
              "28 апреля 1957 г. местного времени от 02:00 до 03:00 не было: часы перевели "
              "вперед. Проверьте время рождения и введите другое.");

    const auto autumn = ZoneHistory::atLocal("America/New_York", {1, 30, 27, 10, 1957});
    ASSERT_TRUE(autumn.has_value());
    EXPECT_EQ(autumn->kind, Kind::Repeated);
    EXPECT_DOUBLE_EQ(autumn->offsetHours, -4.0);
    EXPECT_DOUBLE_EQ(autumn->laterOffsetHours, -5.0);
    EXPECT_EQ(autumn->stretchStart, (DateTime{1, 0, 27, 10, 1957}));
    EXPECT_EQ(autumn->stretchEnd, (DateTime{2, 0, 27, 10, 1957}));
    EXPECT_EQ(ClockChangeText::earlierChoice(*autumn), "Первое (UTC−4)");
    EXPECT_EQ(ClockChangeText::laterChoice(*autumn), "Второе (UTC−5)");

    const auto moscow = ZoneHistory::atLocal("Europe/Moscow", {0, 30, 1, 4, 1981});
    ASSERT_TRUE(moscow.has_value());
    EXPECT_EQ(moscow->kind, Kind::Skipped);
    EXPECT_EQ(moscow->stretchStart, (DateTime{0, 0, 1, 4, 1981}));
    EXPECT_EQ(moscow->stretchEnd, (DateTime{1, 0, 1, 4, 1981}));
    // The minute before and the minute after the jump happened once each.
    EXPECT_EQ(ZoneHistory::atLocal("America/New_York", {1, 59, 28, 4, 1957})->kind, Kind::Unique);
    EXPECT_EQ(ZoneHistory::atLocal("America/New_York", {3, 0, 28, 4, 1957})->kind, Kind::Unique);
}

TEST(ZoneHistoryTest, OffsetsAreWrittenToTheMinute) {
    EXPECT_EQ(ClockChangeText::utcOffset(6.0), "UTC+6");
    EXPECT_EQ(ClockChangeText::utcOffset(-5.0), "UTC−5");
    EXPECT_EQ(ClockChangeText::utcOffset(5.5), "UTC+5:30");
    EXPECT_EQ(ClockChangeText::utcOffset(-3.5), "UTC−3:30");
    EXPECT_EQ(ClockChangeText::utcOffset(0.0), "UTC+0");
    // Moscow's local mean time, 2:30:17, rounds to the minute.
    EXPECT_EQ(ClockChangeText::utcOffset(2.0 + 30.0 / 60 + 17.0 / 3600), "UTC+2:30");
}

}  // namespace
}  // namespace orvanta
