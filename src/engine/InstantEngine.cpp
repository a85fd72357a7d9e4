#include "engine/InstantEngine.h"

#include <swephexp.h>

#include <array>
#include <cmath>
#include <limits>

#include "engine/EphemerisEngine.h"
#include "engine/SwissEphemerisGuard.h"

namespace orvanta::engine {
namespace {

constexpr int kComputedHere = -1;
constexpr int kOppositeNode = -2;

// Swiss Ephemeris body of body 1 to 16 in the program's numbering.
constexpr std::array<int, EphemerisContract::kBodyCount + 1> kSwissBody = {
    kComputedHere, SE_SUN,       SE_MOON,       SE_MERCURY,    SE_VENUS,     SE_MARS,
    SE_JUPITER,    SE_SATURN,    SE_CHIRON,     SE_URANUS,     SE_NEPTUNE,   SE_PLUTO,
    kComputedHere, SE_MEAN_NODE, kOppositeNode, kComputedHere, SE_MEAN_APOG,
};

constexpr int kSelena = 15;

// The chart computation's mean motions: arc minutes per day over its day counts, and the
// position at the start of the count (20 February 1918 and 1 January 1900, 00:00 UT).
constexpr double kProserpinaEpoch = 2421644.5;
constexpr double kProserpinaDegreesPerDay = 1800.0 / 23730.0 / 60.0;
constexpr double kProserpinaAtEpoch = 180.0;
constexpr double kSelenaEpoch = 2415020.5;
constexpr double kSelenaDegreesPerDay = 308600.0 / 36524.0 / 60.0;
constexpr double kSelenaAtEpoch = 8350.0 / 60.0;

double reduced(double degrees) {
    const double r = std::fmod(degrees, 360.0);
    return r < 0.0 ? r + 360.0 : r;
}

}  // namespace

bool InstantEngine::isServedDay(double julianDayUt) {
    return julianDayUt >= EphemerisContract::kFirstDay &&
           julianDayUt <= EphemerisContract::kLastDay;
}

int InstantEngine::answer(const OrvantaInstantQuery& query, double* answer) {
    if (answer == nullptr || !isServedDay(query.julianDayUt)) return EphemerisContract::kRefused;
    if (query.what == EphemerisContract::kHouses) return answerHouses(query, answer);
    return answerBodies(query, answer);
}

int InstantEngine::answerBodies(const OrvantaInstantQuery& query, double* answer) {
    if (query.what == EphemerisContract::kAllBodies) {
        int status = EphemerisContract::kAnswered;
        for (int number = 1; number <= EphemerisContract::kBodyCount; ++number) {
            double* values = answer + (number - 1) * EphemerisContract::kValuesPerBody;
            if (!body(number, query.julianDayUt, values)) status |= EphemerisContract::kBodyMissing;
        }
        return status;
    }
    if (query.what < 1 || query.what > EphemerisContract::kBodyCount) {
        return EphemerisContract::kRefused;
    }
    return body(query.what, query.julianDayUt, answer) ? EphemerisContract::kAnswered
                                                       : EphemerisContract::kBodyMissing;
}

int InstantEngine::answerHouses(const OrvantaInstantQuery& query, double* answer) {
    if (query.houseSystem < 0 || query.houseSystem >= EphemerisEngine::kHouseSystemCount ||
        !(std::fabs(query.latitude) <= 90.0) || !(std::fabs(query.longitude) <= 180.0)) {
        return EphemerisContract::kRefused;
    }
    double cusps[13] = {};
    double ascmc[10] = {};
    const int result = swe_houses_ex(query.julianDayUt, 0, query.latitude, query.longitude,
                                     EphemerisEngine::houseMethod(query.houseSystem), cusps, ascmc);
    for (int house = 1; house <= 12; ++house) answer[house - 1] = cusps[house];
    answer[EphemerisContract::kAscendantIndex] = ascmc[SE_ASC];
    answer[EphemerisContract::kMcIndex] = ascmc[SE_MC];
    return result < 0 ? EphemerisContract::kHousesNotExact : EphemerisContract::kAnswered;
}

bool InstantEngine::body(int number, double julianDayUt, double* values) {
    const int swissNumber = kSwissBody[static_cast<std::size_t>(number)];
    if (swissNumber == kComputedHere) {
        meanMotionPoint(number, julianDayUt, values);
        return true;
    }
    if (swissNumber != kOppositeNode) return swissBody(swissNumber, julianDayUt, values);
    if (!swissBody(SE_MEAN_NODE, julianDayUt, values)) return false;
    values[0] = reduced(values[0] + 180.0);
    values[1] = -values[1];
    return true;
}

bool InstantEngine::swissBody(int swissNumber, double julianDayUt, double* values) {
    double xx[6] = {};
    char error[AS_MAXCH] = {};
    if (swe_calc_ut(julianDayUt, swissNumber, SwissEphemerisGuard::kPositionFlags, xx, error) < 0) {
        values[0] = values[1] = values[2] = std::numeric_limits<double>::quiet_NaN();
        return false;
    }
    values[0] = xx[0];
    values[1] = xx[1];
    values[2] = xx[3];
    return true;
}

void InstantEngine::meanMotionPoint(int number, double julianDayUt, double* values) {
    const bool selena = number == kSelena;
    const double epoch = selena ? kSelenaEpoch : kProserpinaEpoch;
    const double rate = selena ? kSelenaDegreesPerDay : kProserpinaDegreesPerDay;
    const double atEpoch = selena ? kSelenaAtEpoch : kProserpinaAtEpoch;
    values[0] = reduced(atEpoch + (julianDayUt - epoch) * rate);
    values[1] = 0.0;
    values[2] = rate;
}

}  // namespace orvanta::engine
