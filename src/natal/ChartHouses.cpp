#include "natal/ChartHouses.h"

#include <cmath>

#include "calc/Bodies.h"

namespace orvanta {

double ChartHouses::forwardArc(double from, double to) {
    double arc = std::fmod(to - from, 360.0);
    if (arc < 0.0) arc += 360.0;
    return arc >= 360.0 ? 0.0 : arc;
}

int ChartHouses::houseOf(const ChartPositions& chart, int object) {
    if (chart.housesUnavailable != 0) return 0;
    const double longitude = chart[object].longitude;
    if (!std::isfinite(longitude)) return 0;
    for (int house = 1; house <= Bodies::kHouseCount; ++house) {
        const int next = house % Bodies::kHouseCount + 1;
        const double cusp = chart[Bodies::cuspOfHouse(house)].longitude;
        const double width = forwardArc(cusp, chart[Bodies::cuspOfHouse(next)].longitude);
        if (forwardArc(cusp, longitude) < width) return house;
    }
    return 0;
}

}  // namespace orvanta
