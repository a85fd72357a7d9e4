#include "doc/EventDateSelection.h"

#include <cmath>
#include <string_view>

#include "birthdata/IntegerField.h"
#include "birthdata/TimeChangeBase.h"
#include "calc/MonthNames.h"

namespace orvanta {
namespace {

int monthIndex(int month, int year) {
    return year * 12 + (month - 1);
}

}  // namespace

EventDateSelection::Difference EventDateSelection::show(double hours) {
    const double magnitude = std::fabs(hours);
    int whole = static_cast<int>(magnitude);
    int minutes = Calendar::round((magnitude - whole) * 60.0);
    if (minutes == 60) {
        ++whole;
        minutes = 0;
    }
    // A negative difference under an hour keeps its sign in the hours field as "-0".
    const bool negative = hours < 0.0 && (whole != 0 || minutes != 0);
    return {(negative ? "-" : "") + std::to_string(whole), std::to_string(minutes)};
}

std::optional<double> EventDateSelection::read(const Difference& shown) {
    const auto hours = IntegerField::parse(shown.hours);
    const auto minutes = IntegerField::parse(shown.minutes);
    if (!hours || !minutes) return std::nullopt;
    const bool negative = !shown.hours.empty() && shown.hours.find('-') != std::string::npos;
    const double magnitude = std::abs(*hours) + std::abs(*minutes) / 60.0;
    return negative ? -magnitude : magnitude;
}

EventDateSelection::EventDateSelection(const EventChartSettings& settings, int calendarMonth,
                                       int calendarYear, const TimeChangeBase* timeChanges)
    : dayText(std::to_string(settings.date.day)),
      month(settings.date.month),
      yearText(std::to_string(settings.date.year)),
      moscow(show(settings.moscowDifference)),
      greenwich(show(settings.greenwichDifference)),
      precisionIndex(settings.precisionIndex),
      timeChanges_(timeChanges),
      autoGreenwich_(settings.autoGreenwich != 0),
      firstMonth_(calendarMonth),
      firstYear_(calendarYear) {
    if (firstMonth_ < 1 || firstMonth_ > 12) firstMonth_ = 1;
    validate();
}

std::pair<int, int> EventDateSelection::addMonths(int month, int year, int months) {
    const int index = monthIndex(month, year) + months;
    const int y = index >= 0 ? index / 12 : (index - 11) / 12;
    return {index - y * 12 + 1, y};
}

std::optional<Date> EventDateSelection::readDate() const {
    const auto day = IntegerField::parse(dayText);
    const auto year = IntegerField::parse(yearText);
    if (!day || !year) return std::nullopt;
    return Date{*day, month, *year};
}

void EventDateSelection::setDate(Date date) {
    dayText = std::to_string(date.day);
    month = date.month;
    yearText = std::to_string(date.year);
}

void EventDateSelection::setAutoGreenwich(bool on) {
    autoGreenwich_ = on;
    if (!on) moscow = {"0", "0"};
    validate();
}

void EventDateSelection::validate() {
    const auto date = readDate();
    const bool readable = date.has_value() && read(moscow) && read(greenwich);
    if (!readable) beepPending_ = true;
    if (date && date->month >= 1 && date->month <= 12) {
        const int shown = monthIndex(date->month, date->year);
        const int first = monthIndex(firstMonth_, firstYear_);
        if (shown < first || shown > first + kCalendarCount - 1) {
            firstMonth_ = date->month;
            firstYear_ = date->year;
        }
    }
    const bool wasInvalid = dateInvalid_;
    dateInvalid_ = !readable || !Calendar::isValidDate(*date);
    if (dateInvalid_ && !wasInvalid) dateErrorLine_ = kDateErrorText;
    if (!dateInvalid_) dateErrorLine_.clear();
    if (autoGreenwich_ && !dateInvalid_) deriveGreenwich();
    updateCalendars();
}

// 12:00 local time of the chosen day, as Moscow time, looked up in the time-change base.
void EventDateSelection::deriveGreenwich() {
    const Date date = *readDate();
    const double moscowDifference = read(moscow).value_or(0.0);
    const DateTime moscowNoon =
        Calendar::hourShift(-moscowDifference, {12, 0, date.day, date.month, date.year});
    std::optional<TimeChange> change;
    if (timeChanges_ != nullptr) {
        change = timeChanges_->lookup(moscowNoon.day, moscowNoon.month, moscowNoon.year,
                                      moscowNoon.hour, moscowNoon.minute);
    }
    const bool wasMissing = dataMissing_;
    dataMissing_ = !change.has_value();
    if (dataMissing_ && !wasMissing) missingDataLine_ = kMissingDataText;
    if (!dataMissing_) missingDataLine_.clear();
    greenwich = show(moscowDifference + (change ? change->difference : 0));
}

void EventDateSelection::moveWindow(int months) {
    std::tie(firstMonth_, firstYear_) = addMonths(firstMonth_, firstYear_, months);
    keepDateInWindow();
    validate();
}

void EventDateSelection::keepDateInWindow() {
    const auto date = readDate();
    if (!date) return;
    Date kept = *date;
    if (kept.day == 0) kept.day = 1;
    const int shown = monthIndex(kept.month, kept.year);
    const int first = monthIndex(firstMonth_, firstYear_);
    if (shown < first) {
        kept = {1, firstMonth_, firstYear_};
    } else if (shown > first + kCalendarCount - 1) {
        const auto [lastMonth, lastYear] = addMonths(firstMonth_, firstYear_, kCalendarCount - 1);
        kept = {Calendar::monthLength(lastMonth, lastYear), lastMonth, lastYear};
    }
    setDate(kept);
}

void EventDateSelection::clickCalendar(int position, const Rect& rect, int x, int y) {
    if (position < 0 || position >= kCalendarCount) return;
    const auto [m, year] = addMonths(firstMonth_, firstYear_, position);
    MonthCalendarGrid grid(0, m, year);
    grid.click(rect, x, y);
    if (grid.selectedDay() == 0) return;
    setDate({grid.selectedDay(), m, year});
    keepDateInWindow();
    validate();
}

void EventDateSelection::updateCalendars() {
    const auto date = readDate();
    for (int i = 0; i < kCalendarCount; ++i) {
        const auto [m, year] = addMonths(firstMonth_, firstYear_, i);
        const bool chosen = date && date->month == m && date->year == year;
        calendars_[static_cast<std::size_t>(i)].setDate(chosen ? date->day : 0, m, year);
    }
}

const MonthCalendarGrid& EventDateSelection::calendar(int position) const {
    return calendars_.at(static_cast<std::size_t>(position));
}

std::string EventDateSelection::calendarTitle(int position) const {
    const auto [m, year] = addMonths(firstMonth_, firstYear_, position);
    return std::string(MonthNames::name(m)) + ", " + std::to_string(year) + "г.";
}

void EventDateSelection::blinkDateError() {
    if (dateInvalid_) dateErrorLine_ = dateErrorLine_.empty() ? kDateErrorText : "";
}

void EventDateSelection::blinkMissingData() {
    if (dataMissing_) missingDataLine_ = missingDataLine_.empty() ? kMissingDataText : "";
}

bool EventDateSelection::takeBeep() {
    const bool beep = beepPending_;
    beepPending_ = false;
    return beep;
}

std::optional<EventChartSettings> EventDateSelection::accepted() const {
    const auto date = readDate();
    const auto moscowHours = read(moscow);
    const auto greenwichHours = read(greenwich);
    if (dateInvalid_ || !date || !moscowHours || !greenwichHours) return std::nullopt;
    return EventChartSettings{*date, *moscowHours, *greenwichHours, autoGreenwich_ ? 1 : 0,
                              precisionIndex};
}

}  // namespace orvanta
