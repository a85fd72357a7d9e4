#include "doc/ForecastDate.h"

#include <algorithm>

namespace orvanta {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr Date kLastDate{31, 12, Calendar::kLastYear};
constexpr Date kFirstDate{1, 1, Calendar::kFirstYear};

}  // namespace

ForecastDate::ForecastDate(Date date, Date earliest)
    : date_(date),
      earliest_(Calendar::isBefore(earliest, kFirstDate) ? kFirstDate : earliest),
      keptDay_(date.day) {}

Date ForecastDate::moved(Unit unit, int direction) const {
    const int sign = direction > 0 ? 1 : -1;
    if (unit == Unit::Day)
        return sign > 0 ? Calendar::nextDay(date_) : Calendar::previousDay(date_);
    const int months = (unit == Unit::Year ? kMonthsPerYear : 1) * sign;
    const int index = date_.year * kMonthsPerYear + (date_.month - 1) + months;
    Date to{1, index % kMonthsPerYear + 1, index / kMonthsPerYear};
    if (to.year < Calendar::kFirstYear || to.year > Calendar::kLastYear) return to;
    to.day = std::min(keptDay_, Calendar::monthLength(to.month, to.year));
    return to;
}

bool ForecastDate::step(Unit unit, int direction) {
    const Date to = moved(unit, direction);
    if (to.year < Calendar::kFirstYear || Calendar::isBefore(kLastDate, to) ||
        Calendar::isBefore(to, earliest_)) {
        return false;
    }
    date_ = to;
    if (unit == Unit::Day) keptDay_ = to.day;
    return true;
}

}  // namespace orvanta
