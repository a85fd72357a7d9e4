#pragma once

#include "calc/ChartPositions.h"
#include "calc/Ephemeris.h"

namespace orvanta {

// A chart's positions at any instant, to the fraction of a second, from the positions at an
// instant: what a return or a progressed chart shows. Only longitudes, signs and retrograde
// marks change; the chart's style is not touched.
class InstantChart {
  public:
    // Bodies 1 to 16 at the moment; a body the ephemeris cannot give stands at 0°, as in a
    // chart whose engine lacked its file. False when not even the Sun can be computed.
    static bool placeBodies(const Ephemeris& ephemeris, double julianDayUt, ChartPositions& chart);
    // Objects 17 to 28 from the cusps. Nothing changes for a chart without houses.
    static void placeCusps(const HouseCusps& cusps, ChartPositions& chart);
    // Both, the cusps of the house system for the place. False when the bodies fail, or the
    // chart has houses and they cannot be built.
    static bool fill(const Ephemeris& ephemeris, double julianDayUt, double latitude,
                     double longitude, int houseSystem, ChartPositions& chart);
};

}  // namespace orvanta
