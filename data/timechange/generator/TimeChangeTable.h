#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "birthdata/TimeChange.h"
#include "generator/TzFile.h"

namespace orvanta {

// The readable table of the delivered time changes: one line per change of the Moscow-Greenwich
// difference in whole hours, "D.M.YYYY<TAB>hour<TAB>+difference", then notes the build ignores.
// Lines starting with '#' are comments.
class TimeChangeTable {
  public:
    struct Row {
        TimeChange change;
        std::int32_t exactOffset = 0;  // seconds east of Greenwich, as the zone history has it
        std::string abbreviation;
    };

    // A data line the build cannot use; the message names the line.
    class Error : public std::runtime_error {
      public:
        using std::runtime_error::runtime_error;
    };

    // The changes of the zone from 1 January 1860 0:00 on. Each row's date and hour are read on
    // the clock that ran until the change (the usual wording: "at 2:00 the clocks went
    // forward"); offsets are rounded to whole hours and a change that leaves the rounded
    // difference as it was is no change.
    static std::vector<Row> fromZone(const TzFile& zone);

    // Nearest whole hour, halves away from zero.
    static int roundedHours(std::int32_t seconds);
    // "+2:30:17", "+3".
    static std::string offsetText(std::int32_t seconds);

    // The table text with its explaining header; `source` says which zone file and data
    // version it came from.
    static std::string format(const std::vector<Row>& rows, const std::string& source);

    // The records of a table text. Throws Error for a malformed line, an invalid date or
    // hour, a difference outside 0 to 6 or lines out of chronological order.
    static std::vector<TimeChange> parse(std::string_view text);
};

}  // namespace orvanta
