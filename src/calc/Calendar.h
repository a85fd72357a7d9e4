#pragma once

#include <string>
#include <string_view>

namespace orvanta {

struct Date {
    int day = 1;
    int month = 1;
    int year = 1860;
    friend bool operator==(const Date&, const Date&) = default;
};

struct DateTime {
    int hour = 0;
    int minute = 0;
    int day = 1;
    int month = 1;
    int year = 1860;
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

struct DateAndHours {
    Date date;
    double hours = 0.0;  // hours left within the day, 0 <= hours < 24
};

// Date arithmetic shared by the whole program: the Gregorian calendar (within 1860 to 2130,
// 1900 and 2100 are common years, 2000 a leap year) and hour counts from a base year.
class Calendar {
  public:
    static constexpr int kBaseYear = 1860;
    static constexpr int kFirstYear = 1860;
    static constexpr int kLastYear = 2130;

    static bool isLeapYear(int year);
    // Leap years from first to last inclusive; 0 when last < first.
    static int leapYearsBetween(int first, int last);

    // Halves away from zero.
    static int round(double value);

    static Date nextDay(Date date);
    static Date previousDay(Date date);

    // Moves a time by up to one day; a result of exactly 24:00 stays on the same day and a
    // minute may round to 60.
    static DateTime hourShift(double shift, DateTime from);

    static double hoursSinceBase(Date date, double hoursToAdd, int baseYear = kBaseYear);
    static DateAndHours dateFromHours(double hours, int baseYear = kBaseYear);

    // 1 = Monday ... 7 = Sunday.
    static int dayOfWeek(Date date);
    static std::string_view dayOfWeekName(Date date);

    static bool isValidDate(Date date);
    static bool isValidTime(int hour, int minute);
    // 28 to 31, or -1 for a month outside 1 to 12.
    static int monthLength(int month, int year);
    static bool isBefore(Date first, Date second);

    // Hours a body needs at its mean motion to travel the orb; 0 outside bodies 1 to 16.
    static double meanPassageTime(int body, double orbDegrees);

    // A short Russian duration such as "1.5 сут." or "50 мин.".
    static std::string durationWords(double hours);

  private:
    static int daysInMonth(int month, int year);  // no clamping of the year
};

}  // namespace orvanta
