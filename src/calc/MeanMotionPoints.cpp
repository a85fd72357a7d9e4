#include "calc/MeanMotionPoints.h"

#include <cmath>

namespace orvanta {
namespace {

constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Leap years from the epoch year up to year - 1, negative for years before the epoch.
int leapYearsSinceEpoch(int year, int epochYear) {
    if (year >= epochYear) return Calendar::leapYearsBetween(epochYear, year - 1);
    return -Calendar::leapYearsBetween(year, epochYear - 1);
}

double dayFraction(const DateTime& ut) {
    return (ut.hour + ut.minute / 60.0) / 24.0;
}

// Larger than any reachable value; keeps the placing loops finite for nonsense input.
constexpr double kLargestPoint = 1.0e7;

}  // namespace

double MeanMotionPoints::daysOfMonths(int firstMonth, int lastMonth) {
    double days = 0.0;
    for (int month = firstMonth; month <= lastMonth && month <= 12; ++month) {
        days += kMonthDays[month - 1];
    }
    return days;
}

double MeanMotionPoints::proserpinaDayCount(const DateTime& ut) {
    double d = leapYearsSinceEpoch(ut.year, 1918);
    d += (ut.year - 1918) * 365.0;
    d += ut.day - 20;
    d += dayFraction(ut);
    d += daysOfMonths(2, ut.month - 1);
    if (ut.month == 1) d -= 31.0;
    if (ut.month > 2 && Calendar::isLeapYear(ut.year)) d += 1.0;
    return d;
}

double MeanMotionPoints::selenaDayCount(const DateTime& ut) {
    double d = leapYearsSinceEpoch(ut.year, 1900);
    d += (ut.year - 1900) * 365.0;
    d += ut.day - 1;
    d += dayFraction(ut);
    d += daysOfMonths(1, ut.month - 1);
    if (ut.month > 2 && Calendar::isLeapYear(ut.year)) d += 1.0;
    return d;
}

double MeanMotionPoints::proserpina(const DateTime& ut) {
    const double rate = 1800.0 / (23725 - 11 + Calendar::leapYearsBetween(1918, 1982));
    return proserpinaDayCount(ut) * rate / 60.0 + 180.0;
}

double MeanMotionPoints::selena(const DateTime& ut) {
    const double rate = 308600.0 / (36500 + Calendar::leapYearsBetween(1900, 1999));
    return (rate * selenaDayCount(ut) + 8350.0) / 60.0;
}

void MeanMotionPoints::place(double degrees, ObjectPosition& object) {
    double a =
        std::isfinite(degrees) ? std::fmax(-kLargestPoint, std::fmin(kLargestPoint, degrees)) : 0.0;
    int sign = 1;
    while (a < 0.0) {
        sign = sign == 1 ? 12 : sign - 1;
        a += 30.0;
    }
    while (a > 30.0) {
        ++sign;
        a -= 30.0;
    }
    while (sign > 12) sign -= 12;
    object.degreeInSign = a;
    object.splitDegreeInSign();
    object.sign = sign;
    object.longitude = (sign - 1) * 30.0 + a;
    object.retrograde = 0;
}

}  // namespace orvanta
