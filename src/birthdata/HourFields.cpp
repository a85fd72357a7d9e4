#include "birthdata/HourFields.h"

#include <cmath>
#include <cstdlib>

#include "calc/Calendar.h"

namespace orvanta {

std::pair<int, int> HourFields::split(double hours) {
    if (!std::isfinite(hours)) return {0, 0};
    // Far beyond any clock, yet still a whole number of hours an int holds.
    constexpr double kLargestHours = 1.0e6;
    const double magnitude = std::fmin(std::fabs(hours), kLargestHours);
    const double whole = std::trunc(magnitude);
    const int sign = hours < 0.0 ? -1 : 1;
    return {sign * static_cast<int>(whole), Calendar::round((magnitude - whole) * 60.0)};
}

double HourFields::join(int hours, int minutes) {
    const double magnitude = std::abs(static_cast<double>(hours)) + minutes / 60.0;
    return hours < 0 ? -magnitude : magnitude;
}

}  // namespace orvanta
