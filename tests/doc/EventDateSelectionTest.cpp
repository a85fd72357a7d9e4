#include <gtest/gtest.h>

#include "birthdata/TimeChangeBase.h"
#include "doc/EventBarTexts.h"
#include "doc/EventDateSelection.h"

namespace orvanta {
namespace {

EventChartSettings settingsOn(Date date) {
    EventChartSettings settings;
    settings.date = date;
    settings.autoGreenwich = 0;
    return settings;
}

std::tuple<int, int, int, int, int> dateAndWindow(const EventDateSelection& s) {
    return {std::stoi(s.dayText), s.month, std::stoi(s.yearText), s.firstMonth(), s.firstYear()};
}

TEST(EventDateSelection, WindowMovesCarryTheYearAndKeepTheDateInside) {
    EventDateSelection s(settingsOn({10, 3, 2000}), 3, 2000, nullptr);
    // "<<" from March 2000: September 1999 to February 2000; March lies after it and the date
    // becomes the last day of the last month.
    s.moveWindow(-6);
    EXPECT_EQ(dateAndWindow(s), std::make_tuple(29, 2, 2000, 9, 1999));
    s.moveWindow(-1);  // August 1999 ... January 2000: March 2000 lies after it
    EXPECT_EQ(dateAndWindow(s), std::make_tuple(31, 1, 2000, 8, 1999));

    // 31 March with the window moved to start in May of that year becomes 1 May.
    EventDateSelection late(settingsOn({31, 3, 2000}), 3, 2000, nullptr);
    late.moveWindow(1);
    late.moveWindow(1);
    EXPECT_EQ(dateAndWindow(late), std::make_tuple(1, 5, 2000, 5, 2000));
    late.moveWindow(6);  // ">>"
    EXPECT_EQ(dateAndWindow(late), std::make_tuple(1, 11, 2000, 11, 2000));

    // A date typed outside the window moves the window to its month.
    late.yearText = "1999";
    late.validate();
    EXPECT_EQ(late.firstMonth(), 11);
    EXPECT_EQ(late.firstYear(), 1999);
    EXPECT_EQ(late.calendarTitle(2), "Январь, 2000г.");
    EXPECT_EQ(late.calendar(0).selectedDay(), 1);
    EXPECT_EQ(late.calendar(1).selectedDay(), 0);
}

TEST(EventDateSelection, AClickOnACalendarChoosesThatMonthsDay) {
    EventDateSelection s(settingsOn({10, 3, 2000}), 3, 2000, nullptr);
    // April 2000 (position 1) starts on a Saturday: its 1st is in week row 1, column 5. In a
    // 70 x 70 rectangle with 5 week rows and the head, that cell lies at x 50..60, y 11..23.
    const Rect rect{0, 0, 70, 70};
    s.clickCalendar(1, rect, 55, 15);
    EXPECT_EQ(dateAndWindow(s), std::make_tuple(1, 4, 2000, 3, 2000));
    s.clickCalendar(1, rect, 5, 15);  // before the 1st: nothing changes
    EXPECT_EQ(std::stoi(s.dayText), 1);
}

TEST(EventDateSelection, InvalidDatesBlinkAndAreNotAccepted) {
    EventDateSelection s(settingsOn({10, 3, 2000}), 3, 2000, nullptr);
    ASSERT_TRUE(s.accepted().has_value());
    for (const char* day : {"30", "x", ""}) {
        s.month = 2;
        s.dayText = day;
        s.validate();
        EXPECT_TRUE(s.dateInvalid()) << day;
        EXPECT_FALSE(s.accepted().has_value());
    }
    EXPECT_EQ(s.dateErrorLine(), EventDateSelection::kDateErrorText);
    s.blinkDateError();
    EXPECT_EQ(s.dateErrorLine(), "");
    s.dayText = "29";  // 2000 is a leap year
    s.validate();
    EXPECT_FALSE(s.dateInvalid());
    EXPECT_EQ(s.dateErrorLine(), "");
    s.yearText = "2100";  // 2100 is not
    s.validate();
    EXPECT_TRUE(s.dateInvalid());
}

TEST(EventDateSelection, DifferencesShowAndReadBack) {
    struct Case {
        double hours;
        const char* shownHours;
        const char* shownMinutes;
    };
    for (const Case& c : {Case{-1.5, "-1", "30"}, Case{3.0, "3", "0"}, Case{-0.5, "-0", "30"},
                          Case{5.75, "5", "45"}, Case{2.99999, "3", "0"}}) {
        const auto shown = EventDateSelection::show(c.hours);
        EXPECT_EQ(shown.hours, c.shownHours);
        EXPECT_EQ(shown.minutes, c.shownMinutes);
        EXPECT_NEAR(*EventDateSelection::read(shown), c.hours, 1.0 / 120.0);
    }
    EXPECT_FALSE(EventDateSelection::read({"", "0"}).has_value());
}

TEST(EventDateSelection, AutomaticGreenwichFromTheTimeChangeBaseAtLocalNoon) {
    TimeChangeBase changes;
    TimeChange winter;
    winter.day = 26;
    winter.month = 10;
    winter.year = 2014;
    winter.hour = 2;
    winter.difference = 3;
    changes.add(winter);
    EventChartSettings settings = settingsOn({1, 1, 2015});
    settings.autoGreenwich = 1;
    settings.moscowDifference = -1.5;
    EventDateSelection s(settings, 1, 2015, &changes);
    EXPECT_EQ(s.greenwich.hours, "1");
    EXPECT_EQ(s.greenwich.minutes, "30");
    EXPECT_FALSE(s.dataMissing());
    ASSERT_TRUE(s.accepted().has_value());
    EXPECT_EQ(s.accepted()->moscowDifference, -1.5);
    EXPECT_EQ(s.accepted()->greenwichDifference, 1.5);

    // Before every change: the database difference counts as 0, and the message blinks.
    s.yearText = "2013";
    s.validate();
    EXPECT_TRUE(s.dataMissing());
    EXPECT_EQ(s.missingDataLine(), EventDateSelection::kMissingDataText);
    EXPECT_EQ(s.greenwich.hours, "-1");

    // Clearing the flag sets the Moscow difference to 0 h 0 min.
    s.setAutoGreenwich(false);
    EXPECT_EQ(s.moscow.hours, "0");
    EXPECT_EQ(s.accepted()->autoGreenwich, 0);
}

TEST(EventBarTexts, ZoneCaptionSignHoursAndMinutes) {
    EXPECT_EQ(EventBarTexts::zoneCaption(3.0), "Часовой пояс [GMT+03:00]");
    EXPECT_EQ(EventBarTexts::zoneCaption(-5.5), "Часовой пояс [GMT-05:30]");
    EXPECT_EQ(EventBarTexts::zoneCaption(0.0), "Часовой пояс [GMT+00:00]");
    EXPECT_EQ(EventBarTexts::date({5, 3, 2001}), "5.3.2001");
}

}  // namespace
}  // namespace orvanta
