#pragma once

#include <array>
#include <optional>
#include <string>

#include "birthdata/MonthCalendarGrid.h"
#include "calc/Calendar.h"
#include "events/EventChartState.h"

namespace orvanta {

class TimeChangeBase;

// What the event chart's date selection decides, apart from its window: the fields as the
// user typed them, the six calendars and their window of months, the automatic Greenwich
// difference from the time-change base, the two blinking messages, and what OK stores.
class EventDateSelection {
  public:
    static constexpr int kCalendarCount = 6;
    static constexpr const char* kDateErrorText = "Дата или время задано неверно...";
    static constexpr const char* kMissingDataText = "На эту дату нет данных в базе \"Разница...\"";
    static constexpr int kDateErrorBlinkMs = 500;
    static constexpr int kMissingDataBlinkMs = 300;

    // A difference as the dialog shows it: signed whole hours ("-0" for a negative difference
    // under an hour) and minutes 0 to 59 of the absolute value.
    struct Difference {
        std::string hours;
        std::string minutes;
    };
    static Difference show(double hours);
    // sign of the hours field (plus for 0) x (|hours| + minutes / 60); none when unreadable.
    static std::optional<double> read(const Difference& shown);

    EventDateSelection(const EventChartSettings& settings, int calendarMonth, int calendarYear,
                       const TimeChangeBase* timeChanges);

    // Fields, as typed.
    std::string dayText;
    int month = 1;  // 1 to 12: the month list's item + 1
    std::string yearText;
    Difference moscow;
    Difference greenwich;
    int precisionIndex = 0;

    bool autoGreenwich() const { return autoGreenwich_; }
    // Clearing the flag sets the Moscow difference to 0 h 0 min.
    void setAutoGreenwich(bool on);

    // Reads the fields after any change: moves the calendar window to a date outside it,
    // judges the date, and derives the Greenwich difference while the flag is set.
    void validate();
    // "<<", "<-", "->", ">>": the window starts that many months later (negative: earlier),
    // and the date is kept inside it.
    void moveWindow(int months);
    // A click at (x, y) in the rectangle of calendar `position` (0 to 5).
    void clickCalendar(int position, const Rect& rect, int x, int y);

    int firstMonth() const { return firstMonth_; }
    int firstYear() const { return firstYear_; }
    // The calendar at a position; the chosen day is marked in its month only.
    const MonthCalendarGrid& calendar(int position) const;
    // "Июнь, 2024г."
    std::string calendarTitle(int position) const;

    bool dateInvalid() const { return dateInvalid_; }
    bool dataMissing() const { return dataMissing_; }
    // The two message lines; each tick of a blink timer shows or hides its line.
    const std::string& dateErrorLine() const { return dateErrorLine_; }
    const std::string& missingDataLine() const { return missingDataLine_; }
    void blinkDateError();
    void blinkMissingData();
    bool takeBeep();

    // What OK stores: none while the date is invalid or a difference cannot be read.
    std::optional<EventChartSettings> accepted() const;

  private:
    std::optional<Date> readDate() const;
    void setDate(Date date);
    void keepDateInWindow();
    void deriveGreenwich();
    void updateCalendars();
    static std::pair<int, int> addMonths(int month, int year, int months);

    const TimeChangeBase* timeChanges_;
    bool autoGreenwich_ = true;
    int firstMonth_ = 1;
    int firstYear_ = 2000;
    std::array<MonthCalendarGrid, kCalendarCount> calendars_;
    bool dateInvalid_ = false;
    bool dataMissing_ = false;
    std::string dateErrorLine_;
    std::string missingDataLine_;
    bool beepPending_ = false;
};

}  // namespace orvanta
