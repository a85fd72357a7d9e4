#pragma once

#include <optional>
#include <string>

#include "calc/Calendar.h"

namespace orvanta {

// The clock history of one IANA time zone, read from the system's time zone database through
// cctz: what a local clock reading meant on a given day, and a zone's offset at a moment.
class ZoneHistory {
  public:
    static constexpr const char* kMoscowZone = "Europe/Moscow";

    enum class Kind {
        Unique,    // the reading happened once
        Skipped,   // the clock jumped over it (moved forward)
        Repeated,  // the clock showed it twice (moved back)
    };

    struct Reading {
        Kind kind = Kind::Unique;
        // Hours the local clock is ahead of Universal Time: the offset in force for a unique
        // reading; for the other two the offset before the change.
        double offsetHours = 0.0;
        // For the other two: the offset after the change; for a unique reading the same.
        double laterOffsetHours = 0.0;
        // For the other two: the stretch of clock readings that did not happen or happened
        // twice, from its first minute up to (not including) `stretchEnd`.
        DateTime stretchStart;
        DateTime stretchEnd;
    };

    // Whether the system's database knows the zone.
    static bool known(const std::string& zone);
    // What the local reading meant in the zone; nothing for a zone the database lacks.
    static std::optional<Reading> atLocal(const std::string& zone, const DateTime& local);
    // Hours the zone's clock was ahead of Universal Time at the Universal moment.
    static std::optional<double> offsetAtUniversal(const std::string& zone,
                                                   const DateTime& universal);
};

}  // namespace orvanta
