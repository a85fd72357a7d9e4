#pragma once

#include <string>
#include <vector>

#include "events/CalendarEvent.h"
#include "events/CalendarZone.h"

namespace orvanta {

// The transit calendar as CSV (RFC 4180): a header and one record per event, UT and local
// times, names and numbers, CRLF line ends.
class CalendarCsv {
  public:
    static std::string build(const CalendarZone& zone, const std::vector<CalendarEvent>& events);

    // "R" or "D" of a station.
    static const char* stationMark(const CalendarEvent& event);
    // "aspect", "ingress" or "station".
    static const char* kindName(CalendarEvent::Kind kind);
    // A field of a CSV record, quoted when it holds a comma, a quote or a line break.
    static std::string field(const std::string& text);
    // The shortest decimal that reads back as the same double.
    static std::string number(double value);
};

}  // namespace orvanta
