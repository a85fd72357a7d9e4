#include "engine/EphemerisEngine.h"

#include <swephexp.h>

#include <array>
#include <cmath>
#include <utility>

namespace orvanta::engine {
namespace {

// Result index and Swiss Ephemeris body.
constexpr std::pair<int, int> kBodies[] = {
    {1, SE_SUN},     {2, SE_MOON},       {3, SE_MERCURY},    {4, SE_VENUS},   {5, SE_MARS},
    {6, SE_JUPITER}, {7, SE_SATURN},     {8, SE_URANUS},     {9, SE_NEPTUNE}, {10, SE_PLUTO},
    {11, SE_CHIRON}, {16, SE_MEAN_NODE}, {17, SE_MEAN_APOG},
};

constexpr int kFirstCuspIndex = 21;

}  // namespace

void EphemerisEngine::setEphemerisFolder(const std::string& folder) {
    swe_set_ephe_path(folder.c_str());
}

char EphemerisEngine::houseMethod(int houseSystem) {
    // Placidus, Koch, Equal, Campanus, Meridian (axial rotation), Regiomontanus, Porphyry,
    // Morinus, Topocentric, Equal from the MC, Neo-Porphyry (Pullen's sinusoidal delta), Whole.
    static constexpr std::array<char, 12> kMethods = {'P', 'K', 'E', 'C', 'X', 'R',
                                                      'O', 'M', 'T', 'D', 'L', 'W'};
    if (houseSystem < 0 || houseSystem >= static_cast<int>(kMethods.size())) return 'P';
    return kMethods[static_cast<std::size_t>(houseSystem)];
}

double EphemerisEngine::julianDayUniversal(const EngineRequest& request) {
    const double hours = request.hour + request.minute / 60.0 + request.hoursToUniversal;
    return swe_julday(request.year, request.month, request.day, hours, SE_GREG_CAL);
}

int EphemerisEngine::compute(const EngineRequest& request, double* result) {
    std::array<double, kResultSize> values{};
    const double jd = julianDayUniversal(request);
    int status = kComplete;
    char error[AS_MAXCH] = {};
    for (const auto& [index, body] : kBodies) {
        double xx[6] = {};
        if (swe_calc_ut(jd, body, SEFLG_SWIEPH | SEFLG_SPEED, xx, error) < 0) {
            status |= kBodyMissing;
            continue;
        }
        values[static_cast<std::size_t>(index)] = xx[3] < 0.0 ? -xx[0] : xx[0];
    }
    double cusps[13] = {};
    double ascmc[10] = {};
    // Within the polar circles Swiss Ephemeris answers Placidus and Koch with Porphyry cusps
    // and says so only through its return value.
    if (swe_houses_ex(jd, 0, request.latitude, request.longitude, houseMethod(request.houseSystem),
                      cusps, ascmc) < 0) {
        status |= kHousesNotComputed;
    }
    for (int house = 1; house <= 12; ++house) {
        values[static_cast<std::size_t>(kFirstCuspIndex + house - 1)] = cusps[house];
    }
    for (double value : values) {
        if (!std::isfinite(value)) return kMalformedRequest;
    }
    std::copy(values.begin(), values.end(), result);
    return status;
}

}  // namespace orvanta::engine
