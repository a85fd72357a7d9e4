#include <gtest/gtest.h>

#include <array>

#include "doc/ReturnChart.h"
#include "events/CalendarMoment.h"

namespace orvanta {
namespace {

TEST(ReturnChart, NamesTheYearOrTheMonth) {
    EXPECT_EQ(ReturnChart::name("Анна", 2027, std::nullopt), "Соляр 2027 — Анна");
    EXPECT_EQ(ReturnChart::name("Анна", 2027, 3), "Лунар 03.2027 — Анна");
}

// The birth time is the local minute nearest the moment, whatever day that falls on; the
// Moscow difference follows Moscow's clock of the moment.
TEST(ReturnChart, BirthDataHoldTheLocalMinuteOnThePlacesClock) {
    NatalChart natal;
    natal.birth.houseSystemName = "Placidus";
    using Minute = std::array<int, 5>;  // day, month, year, hour, minute
    struct Case {
        Minute ut;
        int seconds;
        double offset;
        Minute local;
        double moscow;  // hours ahead of Moscow's clock
    };
    // 31 December 2014 21:30:40 UT is 00:31 of 1 January 2015 at +3 (40 s round up), with
    // Moscow at +3 since October 2014; 1 March 2014 11:36:09 UT at +4 is 15:36, Moscow then at
    // +4; 1 July 2010 22:59:20 UT at -4 (New York's summer time) is 18:59, Moscow at +4.
    const Case cases[] = {
        {{31, 12, 2014, 21, 30}, 40, 3.0, {1, 1, 2015, 0, 31}, 0.0},
        {{1, 3, 2014, 11, 36}, 9, 4.0, {1, 3, 2014, 15, 36}, 0.0},
        {{1, 7, 2010, 22, 59}, 20, -4.0, {1, 7, 2010, 18, 59}, -8.0},
    };
    for (const Case& c : cases) {
        const double moment = CalendarMoment::julianDay(
            c.ut[0], c.ut[1], c.ut[2], c.ut[3] + c.ut[4] / 60.0 + c.seconds / 3600.0);
        const BirthData birth = ReturnChart::birthData(natal, {"Город", 55.75, 37.62, c.offset},
                                                       moment, "Соляр — Анна");
        EXPECT_EQ((Minute{birth.day, birth.month, birth.year, birth.hour, birth.minute}), c.local);
        Minute ut = c.ut;
        ut[4] += c.seconds >= 30 ? 1 : 0;
        EXPECT_EQ(
            (Minute{birth.gmtDay, birth.gmtMonth, birth.gmtYear, birth.gmtHour, birth.gmtMinute}),
            ut);
        EXPECT_DOUBLE_EQ(birth.diffGreenwich, c.offset);
        EXPECT_DOUBLE_EQ(birth.diffMoscow, c.moscow);
        EXPECT_EQ(birth.place, "Город");
        EXPECT_EQ(birth.houseSystemName, "Placidus");
    }
}

}  // namespace
}  // namespace orvanta
