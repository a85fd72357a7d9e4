#pragma once

#include <optional>

#include "calc/Calendar.h"
#include "events/TransitSituation.h"

namespace orvanta {

// What the date selection edits: the day of the event chart, the offsets that turn Universal
// Time into local time and the steps a day.
struct EventChartSettings {
    Date date;
    double moscowDifference = 0.0;
    double greenwichDifference = 0.0;
    int autoGreenwich = 1;
    int precisionIndex = 0;  // 0 to 7: 1, 2, 3, 4, 6, 8, 12 or 24 steps a day
    friend bool operator==(const EventChartSettings&, const EventChartSettings&) = default;
};

// What an event chart keeps: its settings, the two lists of the last run
// with its day counter, the date they were built for, and whether they were ever built.
struct EventChartState {
    Date date;
    double moscowDifference = 0.0;     // hours local time is ahead of Moscow time
    double greenwichDifference = 0.0;  // hours local time is ahead of Universal Time
    int autoGreenwich = 1;
    int precisionIndex = 0;
    // The first month of the date selection's six calendars.
    int calendarMonth = 1;
    int calendarYear = 2000;

    bool computed = false;
    std::optional<Date> builtFor;  // none: the lists have to be built before they are shown
    TransitList situations;
    TransitList orbTransits;
    int dayCounter = 0;
    bool allocationFailed = false;

    EventChartSettings settings() const {
        return {date, moscowDifference, greenwichDifference, autoGreenwich, precisionIndex};
    }
    void setSettings(const EventChartSettings& s) {
        date = s.date;
        moscowDifference = s.moscowDifference;
        greenwichDifference = s.greenwichDifference;
        autoGreenwich = s.autoGreenwich;
        precisionIndex = s.precisionIndex;
    }
};

}  // namespace orvanta
