#include "events/Progressions.h"

#include <cmath>

#include "calc/ObjectPosition.h"
#include "events/InstantChart.h"
#include "events/ReturnSearch.h"

namespace orvanta {
namespace {

// The MC goes round once a sidereal day; a step at this mean rate closes most of the
// distance, and the ecliptic's unevenness is made up in a few more steps.
constexpr double kMcDegreesPerDay = 360.98564736629;
// A Julian day near 2.4 million resolves 40 microseconds, 2e-7° of the MC's turn.
constexpr double kMcToleranceDegrees = 1e-6;
constexpr int kMostSteps = 30;

}  // namespace

double Progressions::progressedMoment(double birthUt, double targetUt) {
    return birthUt + (targetUt - birthUt) / kTropicalYearDays;
}

std::optional<double> Progressions::solarArc(const Ephemeris& ephemeris, double birthUt,
                                             double progressedUt) {
    const auto natal = ephemeris.body(Bodies::Sun, birthUt);
    const auto progressed = ephemeris.body(Bodies::Sun, progressedUt);
    if (!natal || !progressed) return std::nullopt;
    return ReturnSearch::signedDistance(progressed->longitude, natal->longitude);
}

std::optional<HouseCusps> Progressions::housesWithMc(const Ephemeris& ephemeris, double nearUt,
                                                     double mc, const ProgressionBase& base) {
    double time = nearUt;
    for (int step = 0; step < kMostSteps; ++step) {
        const auto cusps = ephemeris.houses(time, base.latitude, base.longitude, base.houseSystem);
        if (!cusps) return std::nullopt;
        const double shortBy = ReturnSearch::signedDistance(mc, cusps->mc);
        if (std::fabs(shortBy) < kMcToleranceDegrees) return cusps;
        time += shortBy / kMcDegreesPerDay;
    }
    return std::nullopt;
}

bool Progressions::progress(const Ephemeris& ephemeris, const ProgressionBase& base,
                            double targetUt, ChartPositions& chart) {
    const double moment = progressedMoment(base.birthUt, targetUt);
    const auto arc = solarArc(ephemeris, base.birthUt, moment);
    if (!arc || !InstantChart::placeBodies(ephemeris, moment, chart)) return false;
    if (chart.housesUnavailable != 0) return true;
    const auto natal =
        ephemeris.houses(base.birthUt, base.latitude, base.longitude, base.houseSystem);
    if (!natal) return false;
    const auto cusps =
        housesWithMc(ephemeris, moment, ObjectPosition::intoCircle(natal->mc + *arc), base);
    if (!cusps) return false;
    InstantChart::placeCusps(*cusps, chart);
    return true;
}

void Progressions::direct(ChartPositions& chart, double arc) {
    const int last = chart.housesUnavailable == 0 ? Bodies::kLastCusp : Bodies::kBodyCount;
    for (int number = 1; number <= last; ++number) {
        chart[number].setLongitude(ObjectPosition::intoCircle(chart[number].longitude + arc));
    }
}

}  // namespace orvanta
