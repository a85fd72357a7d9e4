#include "doc/ChartStepper.h"

#include <algorithm>

#include "birthdata/TimeChangeBase.h"

namespace orvanta {
namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;
constexpr int kMonthsPerYear = 12;

// Moves whole units from a field into the next larger one, for a field at or above `limit`.
void carry(int& field, int& larger, int limit) {
    if (field < limit) return;
    larger += field / limit;
    field %= limit;
}

// Borrows whole units from the next larger field until the field is no longer negative.
void borrow(int& field, int& larger, int limit) {
    while (field < 0) {
        field += limit;
        --larger;
    }
}

void nextMonth(DateTime& moment) {
    if (++moment.month > kMonthsPerYear) {
        moment.month = 1;
        ++moment.year;
    }
}

void previousMonth(DateTime& moment) {
    if (--moment.month < 1) {
        moment.month = kMonthsPerYear;
        --moment.year;
    }
}

// Days beyond the length of their month move on into the following months.
void carryDays(DateTime& moment) {
    if (moment.month < 1 || moment.month > kMonthsPerYear) return;
    while (moment.day > Calendar::monthLength(moment.month, moment.year)) {
        moment.day -= Calendar::monthLength(moment.month, moment.year);
        nextMonth(moment);
    }
}

}  // namespace

bool ChartStepper::isEmpty(const ChartStep& step) {
    return step.years + step.months + step.days + step.hours + step.minutes == 0;
}

DateTime ChartStepper::moved(const DateTime& from, const ChartStep& step, Direction direction) {
    const int sign = direction == Direction::Forward ? 1 : -1;
    DateTime moment = from;
    moment.day += sign * step.days;
    moment.month += sign * step.months;
    moment.year += sign * step.years;
    moment.hour += sign * step.hours;
    moment.minute += sign * step.minutes;
    moment.year = std::clamp(moment.year, Calendar::kFirstYear, Calendar::kLastYear);
    return normalised(moment);
}

DateTime ChartStepper::normalised(DateTime moment) {
    carry(moment.minute, moment.hour, kMinutesPerHour);
    carry(moment.hour, moment.day, kHoursPerDay);
    if (moment.month > kMonthsPerYear) {
        moment.year += (moment.month - 1) / kMonthsPerYear;
        moment.month = (moment.month - 1) % kMonthsPerYear + 1;
    }
    carryDays(moment);
    borrow(moment.minute, moment.hour, kMinutesPerHour);
    borrow(moment.hour, moment.day, kHoursPerDay);
    while (moment.month <= 0) {
        moment.month += kMonthsPerYear;
        --moment.year;
    }
    // A month that was borrowed back into the year may be shorter than the days it holds.
    carryDays(moment);
    while (moment.day <= 0) {
        previousMonth(moment);
        moment.day += Calendar::monthLength(moment.month, moment.year);
    }
    return moment;
}

BirthData ChartStepper::stepped(const BirthData& birth, const ChartStep& step, Direction direction,
                                const TimeChangeBase* timeChanges, bool autoGreenwich,
                                std::vector<int>* skipped) {
    const DateTime local =
        moved({birth.hour, birth.minute, birth.day, birth.month, birth.year}, step, direction);
    BirthData result = birth;
    result.day = local.day;
    result.month = local.month;
    result.year = local.year;
    result.hour = local.hour;
    result.minute = local.minute;
    const double localHours = Calendar::hoursSinceBase(Date{local.day, local.month, local.year},
                                                       local.hour + local.minute / 60.0);
    // Only a chart whose zone the program looks up follows Moscow's clock changes; a difference
    // the user entered by hand is the birth place's own and stays.
    if (autoGreenwich && timeChanges != nullptr) {
        const auto answer =
            timeChanges->find(local.day, local.month, local.year, local.hour, local.minute);
        if (answer.change) result.diffGreenwich = result.diffMoscow + answer.change->difference;
        if (skipped != nullptr) *skipped = answer.skipped;
    }
    setGreenwichFields(result, localHours);
    return result;
}

void ChartStepper::setGreenwichFields(BirthData& birth, double localHours) {
    const DateAndHours greenwich = Calendar::dateFromHours(localHours - birth.diffGreenwich);
    birth.gmtDay = greenwich.date.day;
    birth.gmtMonth = greenwich.date.month;
    birth.gmtYear = greenwich.date.year;
    birth.gmtHour = static_cast<int>(greenwich.hours);
    birth.gmtMinute = Calendar::round((greenwich.hours - birth.gmtHour) * 60.0);
}

}  // namespace orvanta
