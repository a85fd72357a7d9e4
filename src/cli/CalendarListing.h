#pragma once

#include <string>
#include <vector>

#include "events/CalendarEvent.h"
#include "events/CalendarZone.h"

namespace orvanta::cli {

// The transit calendar of a chart as the command prints it: readable lines in local time,
// JSON, or CSV (RFC 4180).
class CalendarListing {
  public:
    struct Period {
        std::string chart;
        std::string from;  // "DD.MM.YYYY" as given
        std::string to;
    };

    CalendarListing(Period period, const CalendarZone& zone,
                    const std::vector<CalendarEvent>& events);

    std::string text() const;
    std::string json() const;
    std::string csv() const;

  private:
    std::string local(double julianDay) const;
    std::string localMinute(double julianDay) const;
    std::string textLine(const CalendarEvent& event) const;

    Period period_;
    const CalendarZone& zone_;
    const std::vector<CalendarEvent>& events_;
};

}  // namespace orvanta::cli
