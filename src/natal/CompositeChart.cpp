#include "natal/CompositeChart.h"

#include <cmath>

#include "calc/ChartComputation.h"
#include "calc/ObjectPosition.h"
#include "natal/DavisonChart.h"

namespace orvanta {
namespace {

constexpr int kMidheaven = Bodies::cuspOfHouse(10);
// The Midheaven's mean motion in degrees per hour of Universal Time, about the sidereal rate.
constexpr double kMidheavenPerHour = 15.04107;
// The cusps are taken once the Midheaven is this close (degrees); far below a second of arc.
constexpr double kMidheavenTolerance = 1.0e-4;
constexpr int kMostSearchSteps = 12;

}  // namespace

double CompositeChart::midpoint(double first, double second) {
    // Half the signed shorter arc from the first position, added to it.
    const double arc = ObjectPosition::intoCircle(second - first);
    const double half = arc > 180.0 ? (arc - 360.0) / 2.0 : arc / 2.0;
    return ObjectPosition::intoCircle(first + half);
}

bool CompositeChart::isComposite(const BirthData& birth) {
    return birth.name.rfind(kNamePrefix, 0) == 0;
}

BirthData CompositeChart::birthData(const BirthData& first, const BirthData& second) {
    BirthData birth = DavisonChart::birthData(first, second);
    birth.name = kNamePrefix + DavisonChart::bothNames(first, second);
    return birth;
}

bool CompositeChart::compute(const ChartData& first, const ChartData& second,
                             const BirthData& place, int houseSystem, ChartComputation& computation,
                             ChartData& output) {
    const bool houses = first.housesUnavailable == 0 && second.housesUnavailable == 0;
    if (houses && !deriveCusps(midpoint(first[kMidheaven].longitude, second[kMidheaven].longitude),
                               place, houseSystem, computation, output)) {
        return false;
    }
    output.housesUnavailable = houses ? 0 : 1;
    output.style.assignBodyNames();
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        output[body].setLongitude(midpoint(first[body].longitude, second[body].longitude));
        output[body].retrograde = 0;
    }
    return true;
}

bool CompositeChart::deriveCusps(double midheaven, const BirthData& place, int houseSystem,
                                 ChartComputation& computation, ChartData& output) {
    // The engine takes a local time in whole minutes but a zone in fractions of an hour: the
    // day starts at local midnight and the zone carries the Universal Time sought.
    ChartRequest request;
    request.day = place.gmtDay;
    request.month = place.gmtMonth;
    request.year = place.gmtYear;
    request.latitude = place.latitude;
    request.longitude = place.longitude;
    request.houseSystem = houseSystem;
    double hours = 12.0;
    ChartData chart = output;
    for (int step = 0; step < kMostSearchSteps; ++step) {
        request.timeZone = -hours;
        if (!computation.compute(request, chart)) return false;
        const double miss = std::remainder(midheaven - chart[kMidheaven].longitude, 360.0);
        if (std::fabs(miss) < kMidheavenTolerance) break;
        hours = std::fmod(hours + miss / kMidheavenPerHour + 24.0, 24.0);
    }
    for (int cusp = Bodies::kFirstCusp; cusp <= Bodies::kLastCusp; ++cusp) {
        output[cusp].setLongitude(chart[cusp].longitude);
        output[cusp].retrograde = 0;
    }
    return true;
}

}  // namespace orvanta
