#include "events/CalendarMoment.h"

#include <cmath>
#include <cstdio>

namespace orvanta {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 1 January 1970 of a Gregorian date, and back (the usual era arithmetic: 400-year
// eras of 146097 days, years starting in March so that the leap day ends them).
std::int64_t daysFromCivil(int year, int month, int day) {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

std::int64_t secondsOf(double julianDay, double offsetHours) {
    return std::llround((julianDay - CalendarMoment::kUnixEpochJulianDay) * kSecondsPerDay +
                        offsetHours * 3600.0);
}

}  // namespace

double CalendarMoment::julianDay(int day, int month, int year, double hours, double offsetHours) {
    return CalendarMoment::kUnixEpochJulianDay +
           static_cast<double>(daysFromCivil(year, month, day)) + (hours - offsetHours) / 24.0;
}

CalendarMoment::Fields CalendarMoment::fromSeconds(std::int64_t seconds) {
    std::int64_t days = seconds / kSecondsPerDay;
    std::int64_t rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    Fields f;
    civilFromDays(days, f.year, f.month, f.day);
    f.hour = static_cast<int>(rest / 3600);
    f.minute = static_cast<int>(rest / 60 % 60);
    f.second = static_cast<int>(rest % 60);
    return f;
}

CalendarMoment::Fields CalendarMoment::toSecond(double julianDay, double offsetHours) {
    return fromSeconds(secondsOf(julianDay, offsetHours));
}

CalendarMoment::Fields CalendarMoment::toMinute(double julianDay, double offsetHours) {
    const double minutes =
        std::round(((julianDay - CalendarMoment::kUnixEpochJulianDay) * kSecondsPerDay +
                    offsetHours * 3600.0) /
                   60.0);
    return fromSeconds(static_cast<std::int64_t>(minutes) * 60);
}

std::string CalendarMoment::localText(const Fields& f) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", f.day, f.month, f.year,
                  f.hour, f.minute, f.second);
    return text;
}

std::string CalendarMoment::minuteText(const Fields& f) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", f.day, f.month, f.year, f.hour,
                  f.minute);
    return text;
}

std::string CalendarMoment::isoText(const Fields& f) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", f.year, f.month, f.day,
                  f.hour, f.minute, f.second);
    return text;
}

std::string CalendarMoment::compactText(const Fields& f) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", f.year, f.month, f.day, f.hour,
                  f.minute, f.second);
    return text;
}

}  // namespace orvanta
