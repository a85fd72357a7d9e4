#include "events/InstantChart.h"

namespace orvanta {

bool InstantChart::placeBodies(const Ephemeris& ephemeris, double julianDayUt,
                               ChartPositions& chart) {
    const auto positions = ephemeris.bodies(julianDayUt);
    if (!positions[Bodies::Sun]) return false;
    for (int number = 1; number <= Bodies::kBodyCount; ++number) {
        const auto& position = positions[static_cast<std::size_t>(number)];
        chart[number].setLongitude(position ? position->longitude : 0.0);
        chart[number].retrograde = position && position->speed < 0.0 ? 1 : 0;
    }
    return true;
}

void InstantChart::placeCusps(const HouseCusps& cusps, ChartPositions& chart) {
    if (chart.housesUnavailable != 0) return;
    for (int house = 1; house <= Bodies::kHouseCount; ++house) {
        ObjectPosition& cusp = chart[Bodies::cuspOfHouse(house)];
        cusp.setLongitude(cusps.cusp[static_cast<std::size_t>(house)]);
        cusp.retrograde = 0;
    }
}

bool InstantChart::fill(const Ephemeris& ephemeris, double julianDayUt, double latitude,
                        double longitude, int houseSystem, ChartPositions& chart) {
    if (!placeBodies(ephemeris, julianDayUt, chart)) return false;
    if (chart.housesUnavailable != 0) return true;
    const auto cusps = ephemeris.houses(julianDayUt, latitude, longitude, houseSystem);
    if (!cusps) return false;
    placeCusps(*cusps, chart);
    return true;
}

}  // namespace orvanta
