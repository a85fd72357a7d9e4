#pragma once

#include <optional>

#include "calc/ChartPositions.h"
#include "calc/Ephemeris.h"

namespace orvanta {

// The birth a progression starts from: its Universal moment, place and house system
// (HouseSystems numbering, or kNone).
struct ProgressionBase {
    double birthUt = 0.0;
    double latitude = 0.0;
    double longitude = 0.0;
    int houseSystem = 0;
};

// Secondary progressions (a day after birth for each year of life) and solar arc directions.
class Progressions {
  public:
    static constexpr double kTropicalYearDays = 365.2422;

    // birth + (target - birth) / 365.2422 days, all in Universal Time.
    static double progressedMoment(double birthUt, double targetUt);

    // The progressed Sun's longitude less the natal Sun's, reduced to -180 .. 180.
    static std::optional<double> solarArc(const Ephemeris& ephemeris, double birthUt,
                                          double progressedUt);

    // The bodies at the progressed moment. The MC is the natal MC plus the solar arc; the
    // Ascendant and cusps are those of the sidereal time at which the birth place has that MC,
    // found on the progressed day. `chart` comes in as the natal positions.
    static bool progress(const Ephemeris& ephemeris, const ProgressionBase& base, double targetUt,
                         ChartPositions& chart);

    // Every object of the natal chart, cusps included, moved forward by the arc.
    static void direct(ChartPositions& chart, double arc);

    // The cusps of the moment near nearUt at which the MC over the place is `mc`.
    static std::optional<HouseCusps> housesWithMc(const Ephemeris& ephemeris, double nearUt,
                                                  double mc, const ProgressionBase& base);
};

}  // namespace orvanta
