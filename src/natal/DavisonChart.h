#pragma once

#include "calc/BirthData.h"
#include "calc/Calendar.h"

namespace orvanta {

// The chart of the moment halfway between two births, in Universal Time, at the place halfway
// between them. It is a real chart: its birth data compute it like any other.
class DavisonChart {
  public:
    static constexpr const char* kNamePrefix = "Дэвисон: ";

    // Halfway between the two Greenwich moments, to the whole minute (birth data hold
    // minutes; a half minute goes to the earlier one).
    static DateTime halfwayMoment(const BirthData& first, const BirthData& second);
    // The mean of the two latitudes.
    static double midLatitude(double first, double second);
    // Halfway along the shorter arc between two longitudes (east positive), in -180..180:
    // 170 E and 170 W give 180, not 0.
    static double midLongitude(double first, double second);

    // The birth data of the halfway moment and place: the local time is Universal Time (zone
    // 0), the name "Дэвисон: A и B", the place both places joined by " / ".
    static BirthData birthData(const BirthData& first, const BirthData& second);

    // "A и B", the two names as a chart of both calls them.
    static std::string bothNames(const BirthData& first, const BirthData& second);
};

}  // namespace orvanta
