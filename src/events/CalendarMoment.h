#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

// A Julian day of Universal Time as a civil date and time of the Gregorian calendar, at any
// offset from Greenwich, rounded to the second or the minute.
class CalendarMoment {
  public:
    static constexpr double kUnixEpochJulianDay = 2440587.5;  // 1 January 1970 00:00 UT

    struct Fields {
        int year = 1970;
        int month = 1;
        int day = 1;
        int hour = 0;
        int minute = 0;
        int second = 0;
    };

    // The Julian day of a civil moment at an offset (hours ahead of Universal Time).
    static double julianDay(int day, int month, int year, double hours, double offsetHours = 0.0);

    // The civil moment, rounded to the nearest second, or to the nearest minute (seconds 0).
    static Fields toSecond(double julianDay, double offsetHours = 0.0);
    static Fields toMinute(double julianDay, double offsetHours = 0.0);

    static std::string localText(const Fields& f);    // "DD.MM.YYYY HH:MM:SS"
    static std::string minuteText(const Fields& f);   // "DD.MM.YYYY HH:MM"
    static std::string isoText(const Fields& f);      // "YYYY-MM-DDTHH:MM:SSZ"
    static std::string compactText(const Fields& f);  // "YYYYMMDDTHHMMSSZ"

  private:
    static Fields fromSeconds(std::int64_t seconds);
};

}  // namespace orvanta
