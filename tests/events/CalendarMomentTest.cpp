#include <gtest/gtest.h>

#include "calc/Bodies.h"
#include "events/CalendarMoment.h"
#include "events/CalendarWording.h"

namespace orvanta {
namespace {

// Julian days of civil moments worked by hand: 1 January 1970 is JD 2440587.5; 17 November
// 1858 is JD 2400000.5 (the Modified Julian Day's zero) and 1 January 1860 410 days later;
// 25 February 2023 is 19413 days after 1970.
TEST(CalendarMomentTest, JulianDaysAndCivilTimesAgreeBothWaysAtAnyOffset) {
    struct Case {
        double julianDay;
        double offset;
        const char* local;
        const char* iso;
    };
    const Case cases[] = {
        {2440587.5, 0.0, "01.01.1970 00:00:00", "1970-01-01T00:00:00Z"},
        {2400410.5, 0.0, "01.01.1860 00:00:00", "1860-01-01T00:00:00Z"},
        {2460000.5 + 0.5 / 24.0, 3.0, "25.02.2023 03:30:00", "2023-02-25T00:30:00Z"},
        // 23:59:59.6 on 28 February rounds into the next day and month.
        {2460000.5 + 4.0 - 0.4 / 86400.0, 0.0, "01.03.2023 00:00:00", "2023-03-01T00:00:00Z"},
        {2400410.5 - 1.0 / 24.0, -5.5, "31.12.1859 17:30:00", "1859-12-31T23:00:00Z"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalendarMoment::localText(CalendarMoment::toSecond(c.julianDay, c.offset)),
                  c.local);
        EXPECT_EQ(CalendarMoment::isoText(CalendarMoment::toSecond(c.julianDay)), c.iso);
        const auto f = CalendarMoment::toSecond(c.julianDay, c.offset);
        EXPECT_NEAR(
            CalendarMoment::julianDay(f.day, f.month, f.year,
                                      f.hour + f.minute / 60.0 + f.second / 3600.0, c.offset),
            c.julianDay, 1e-5);
    }
    EXPECT_EQ(CalendarMoment::minuteText(CalendarMoment::toMinute(2460000.5 + 91.0 / 86400.0)),
              "25.02.2023 00:02");
    EXPECT_EQ(CalendarMoment::minuteText(CalendarMoment::toMinute(2460000.5 + 89.0 / 86400.0)),
              "25.02.2023 00:01");
}

}  // namespace
}  // namespace orvanta
