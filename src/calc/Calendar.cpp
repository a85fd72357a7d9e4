#include "calc/Calendar.h"

#include <array>
#include <charconv>
#include <cmath>

#include "calc/Bodies.h"

namespace orvanta {
namespace {

constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr std::array<std::string_view, 8> kDayNames = {
    "", "ПОНЕДЕЛЬНИК", "ВТОРНИК", "СРЕДА", "ЧЕТВЕРГ", "ПЯТНИЦА", "СУББОТА", "ВОСКРЕСЕНЬЕ",
};

// Mean periods in days of bodies 1 to 16.
constexpr std::array<double, Bodies::kBodyCount + 1> kPeriods = {
    0.0,           365.25,        27.33,          88.0,
    227.0,         687.0,         11.86 * 365.25, 29.9 * 365.25,
    50.7 * 365.25, 84.1 * 365.25, 164.7 * 365.25, 248 * 365.25,
    666 * 365.25,  18.7 * 365.25, 18.7 * 365.25,  7 * 365.25,
    9 * 365.25,
};

// Hours beyond which an hour count is no longer a date the program can show.
constexpr double kLargestHourCount = 24.0 * 366.0 * 100000.0;

std::string formatGeneral(double value, int significantDigits) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, significantDigits);
    return std::string(buffer.data(), result.ptr);
}

// Leap years from year 1 to the year given (counting down through year 0 below it), so that
// the difference of two counts is the count between them.
long long leapYearsUpTo(long long year) {
    const auto floorDiv = [year](long long divisor) {
        return year / divisor - ((year % divisor != 0 && year < 0) ? 1 : 0);
    };
    return floorDiv(4) - floorDiv(100) + floorDiv(400);
}

}  // namespace

bool Calendar::isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int Calendar::leapYearsBetween(int first, int last) {
    if (last < first) return 0;
    // Counted, not walked: the mean-motion points ask for a century's count at every position.
    return static_cast<int>(leapYearsUpTo(last) - leapYearsUpTo(static_cast<long long>(first) - 1));
}

int Calendar::round(double value) {
    constexpr double kLimit = 2147483647.0;
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::round(std::fmax(-kLimit, std::fmin(kLimit, value))));
}

int Calendar::daysInMonth(int month, int year) {
    if (month == 2) return isLeapYear(year) ? 29 : 28;
    return kMonthDays[static_cast<std::size_t>(month - 1)];
}

Date Calendar::nextDay(Date date) {
    const bool lastOfMonth =
        date.month >= 1 && date.month <= 12 && date.day >= daysInMonth(date.month, date.year);
    if (!lastOfMonth) {
        ++date.day;
        return date;
    }
    date.day = 1;
    if (++date.month == 13) {
        date.month = 1;
        ++date.year;
    }
    return date;
}

Date Calendar::previousDay(Date date) {
    if (date.day > 1) {
        --date.day;
        return date;
    }
    if (--date.month == 0) {
        date.month = 12;
        --date.year;
    }
    date.day = daysInMonth(date.month, date.year);
    return date;
}

DateTime Calendar::hourShift(double shift, DateTime from) {
    double g = from.hour + from.minute / 60.0 + shift;
    Date date{from.day, from.month, from.year};
    if (g > 24.0) {
        g -= 24.0;
        date = nextDay(date);
    } else if (g < 0.0) {
        g += 24.0;
        date = previousDay(date);
    }
    DateTime result;
    result.hour = static_cast<int>(g);
    result.minute = round((g - result.hour) * 60.0);
    result.day = date.day;
    result.month = date.month;
    result.year = date.year;
    return result;
}

double Calendar::hoursSinceBase(Date date, double hoursToAdd, int baseYear) {
    double hours = hoursToAdd;
    hours += static_cast<double>(date.year - baseYear) * 365.0 * 24.0;
    hours += 24.0 * leapYearsBetween(baseYear, date.year - 1);
    for (int month = 1; month < date.month && month <= 12; ++month) {
        hours += 24.0 * kMonthDays[static_cast<std::size_t>(month - 1)];
    }
    if (date.month > 2 && isLeapYear(date.year)) hours += 24.0;
    hours += (date.day - 1) * 24.0;
    return hours;
}

DateAndHours Calendar::dateFromHours(double hours, int baseYear) {
    DateAndHours result;
    result.date = Date{1, 1, baseYear};
    if (!std::isfinite(hours) || hours < 0.0 || hours > kLargestHourCount) {
        result.hours = 0.0;
        return result;
    }
    double h = hours;
    int year = baseYear;
    // Jump to a year the count cannot pass (no year is longer than 8784 hours), then walk. The
    // hours taken off are a whole number below h, so the difference is exact, as each year's
    // subtraction was.
    const int surelyPassed = static_cast<int>(h / 8784.0);
    if (surelyPassed > 1) {
        h -= hoursSinceBase({1, 1, baseYear + surelyPassed}, 0.0, baseYear);
        year += surelyPassed;
    }
    for (;;) {
        const double yearHours = isLeapYear(year) ? 8784.0 : 8760.0;
        if (h < yearHours) break;
        h -= yearHours;
        ++year;
    }
    int month = 1;
    while (month < 12 && h >= 24.0 * daysInMonth(month, year)) {
        h -= 24.0 * daysInMonth(month, year);
        ++month;
    }
    int day = 1;
    while (h >= 24.0) {
        h -= 24.0;
        ++day;
    }
    result.date = Date{day, month, year};
    result.hours = h;
    return result;
}

int Calendar::dayOfWeek(Date date) {
    static constexpr std::array<int, 12> kMonthKey = {4, 0, 0, 3, 5, 1, 3, 6, 2, 4, 0, 2};
    const int y = date.year % 100;
    const int c = date.year / 100;
    const int q = date.year / 400;
    int key = (date.month >= 1 && date.month <= 12)
                  ? kMonthKey[static_cast<std::size_t>(date.month - 1)]
                  : 0;
    if (isLeapYear(date.year)) {
        if (date.month == 1) key = 3;
        if (date.month == 2) key = 6;
    }
    int w = (y / 4 + y) % 7 + (q + 2) % 7 + key + date.day % 7 - 2 * (c % 7);
    while (w > 7) w -= 7;
    while (w <= 0) w += 7;
    return w;
}

std::string_view Calendar::dayOfWeekName(Date date) {
    return kDayNames[static_cast<std::size_t>(dayOfWeek(date))];
}

bool Calendar::isValidDate(Date date) {
    if (date.day <= 0 || date.month <= 0 || date.month > 12) return false;
    if (date.year < kFirstYear || date.year > kLastYear) return false;
    return date.day <= daysInMonth(date.month, date.year);
}

bool Calendar::isValidTime(int hour, int minute) {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59;
}

int Calendar::monthLength(int month, int year) {
    if (month < 1 || month > 12) return -1;
    if (year < kFirstYear) year = kFirstYear;
    if (year > kLastYear) year = kLastYear;
    return daysInMonth(month, year);
}

bool Calendar::isBefore(Date first, Date second) {
    if (first.year != second.year) return first.year < second.year;
    if (first.month != second.month) return first.month < second.month;
    return first.day < second.day;
}

double Calendar::meanPassageTime(int body, double orbDegrees) {
    if (!Bodies::isBody(body)) return 0.0;
    return orbDegrees * kPeriods[static_cast<std::size_t>(body)] * 24.0 / 360.0;
}

std::string Calendar::durationWords(double hours) {
    double v = hours / 8766.0;
    std::string_view suffix = " лет.";
    if (v < 1.5) suffix = " год.";
    struct Unit {
        double hoursPerUnit;
        std::string_view suffix;
    };
    static constexpr std::array<Unit, 4> kSmallerUnits = {{
        {720.0, " мес."},
        {168.0, " нед."},
        {24.0, " сут."},
        {1.0, " час."},
    }};
    for (const auto& unit : kSmallerUnits) {
        if (v >= 0.9) break;
        v = hours / unit.hoursPerUnit;
        suffix = unit.suffix;
    }
    if (v < 0.9) {
        v = hours * 60.0;
        suffix = " мин.";
    }
    std::string number;
    if (suffix == " мин.") {
        int whole = round(v);
        whole -= whole % 5;
        number = std::to_string(whole);
    } else {
        int tenths = round(10.0 * v);
        tenths -= tenths % 5;
        number = formatGeneral(tenths / 10.0, 4);
        if (!number.empty() && number.back() == '.') number.pop_back();
    }
    return number + std::string(suffix);
}

}  // namespace orvanta
