#pragma once

#include <optional>
#include <string>

#include "cli/CommandLine.h"

namespace orvanta::cli {

struct ChartOptions;

// A birth place found by the text of --place: the user's places first, then the world atlas.
struct LookedUpPlace {
    std::string name;
    std::string label;  // "Город — область, страна", or the user's own name
    double latitude = 0.0;
    double longitude = 0.0;
    std::string zone;  // IANA zone; empty when --zone was given or the place has none
    double offsetHours = 0.0;
};

// Fills in what --zone, --lat and --lon leave open from the place named by --place: its
// coordinates, and its zone's offset at the local moment of birth. Options given explicitly
// win. A local time the place's clock skipped or showed twice (without --earlier or --later)
// is a usage error that says which hours.
class BirthPlaceLookup {
  public:
    // Nothing when every one of the three options is given or there is no --place. Throws
    // UsageError when the place cannot be found or its clock cannot tell the offset.
    static std::optional<LookedUpPlace> complete(const CommandLine& line, ChartOptions& options);
};

}  // namespace orvanta::cli
