#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/BirthData.h"
#include "events/CalendarEvent.h"
#include "events/CalendarZone.h"

namespace orvanta {

// The transit calendar as an iCalendar object (RFC 5545): one VEVENT per event, its moment in
// UTC, a summary line, a description with the local time, the orb span and the pass, and a
// UID that the same chart, event and moment always get, so that a calendar program importing
// a newer file updates the events it has instead of adding them again.
class IcsCalendar {
  public:
    // chartKey tells charts apart in the UIDs; stamp is the DTSTAMP of every event.
    IcsCalendar(std::string chartName, std::string chartKey, const CalendarZone& zone,
                double stamp);

    std::string build(const std::vector<CalendarEvent>& events) const;

    // A content line folded at 75 octets without cutting a UTF-8 sequence, CRLF ended.
    static std::string fold(std::string_view line);
    // A TEXT value with backslashes, semicolons, commas and line breaks escaped.
    static std::string escape(std::string_view text);
    // A short stable digest of the chart's identity (FNV-1a, 64 bits, in hex).
    static std::string digest(std::string_view text);
    // What tells one chart from another in the UIDs: the digest of its name, birth moment and
    // place.
    static std::string chartKey(const BirthData& birth);

  private:
    std::string uid(const CalendarEvent& event) const;
    std::string description(const CalendarEvent& event) const;
    std::string local(double julianDay) const;

    std::string chartName_;
    std::string chartKey_;
    const CalendarZone& zone_;
    double stamp_;
};

}  // namespace orvanta
