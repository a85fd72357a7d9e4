#include "birthdata/TimeChange.h"

#include <cmath>
#include <compare>
#include <tuple>

#include "calc/Calendar.h"

namespace orvanta {

bool TimeChange::isValid() const {
    if (!Calendar::isValidDate(Date{day, month, year})) return false;
    if (difference < kSmallestDifference || difference > kLargestDifference) return false;
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

void TimeChange::computeInstant() {
    instant = isValid() ? Calendar::hoursSinceBase(Date{day, month, year}, hour) : 0.0;
}

std::string TimeChange::text() const {
    const std::string date = std::to_string(day) + "." + std::to_string(month) + "." +
                             std::to_string(year) + ", " + std::to_string(hour) + ":00";
    return isValid() ? date : "[" + date + "]";
}

std::string TimeChange::listLine() const {
    return "с " + text() + ", разн. +" + std::to_string(difference) + "ч.";
}

bool TimeChange::isEarlier(const TimeChange& first, const TimeChange& second) {
    const auto key = [](const TimeChange& c) {
        return std::tie(c.year, c.month, c.day, c.hour, c.minute, c.second);
    };
    if (key(first) != key(second)) return key(first) < key(second);
    // The reserved value comes from the file unchecked: a NaN there must not break the order
    // the sort relies on, so NaNs take their place in the total order.
    if (!std::isnan(first.reserved) && !std::isnan(second.reserved)) {
        return first.reserved < second.reserved;
    }
    return std::strong_order(first.reserved, second.reserved) < 0;
}

}  // namespace orvanta
