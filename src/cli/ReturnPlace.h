#pragma once

#include <set>
#include <string>

#include "calc/BirthData.h"
#include "cli/CommandLine.h"
#include "events/CalendarZone.h"

namespace orvanta::cli {

// Where a return is cast and whose clock tells its local moment: --place TEXT (a user's place
// or an atlas city, with the city's zone and its history), or --zone, --lat and --lon together,
// or else the birth place. The birth place keeps the zone of an atlas city of its name nearby,
// so summer time and later changes of the clock count; without one, the birth's own
// difference from Greenwich.
struct ReturnPlace {
    std::string name;
    double latitude = 0.0;
    double longitude = 0.0;
    CalendarZone zone = CalendarZone::fixed(0.0);

    static std::set<std::string> valueOptions() { return {"--place", "--zone", "--lat", "--lon"}; }
    // Throws UsageError when the options conflict, are incomplete, or the place is unknown.
    static ReturnPlace read(const CommandLine& line, const BirthData& birth);
};

}  // namespace orvanta::cli
