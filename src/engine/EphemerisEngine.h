#pragma once

#include <string>

#include "calc/EngineContract.h"
#include "engine/EngineRequest.h"

namespace orvanta::engine {

// Answers a checked request with Swiss Ephemeris: geocentric, apparent, tropical ecliptic
// longitudes of date, negative for a body whose longitude decreases, and house cusps.
class EphemerisEngine {
  public:
    static constexpr int kResultSize = EngineContract::kResultSize;
    static constexpr int kHouseSystemCount = 12;

    // Malformed stands alone; the others are bits that may come together.
    enum Status : int {
        kComplete = 0,
        kMalformedRequest = 1,
        kBodyMissing = 2,  // a body needs an ephemeris file that is absent; its index stays 0
        // The house system cannot be built at this latitude; the cusps are those of the
        // Porphyry system that Swiss Ephemeris falls back to, not of the system asked for.
        kHousesNotComputed = 4,
    };

    // Where the ephemeris files are; without them the planets come from the analytical theory.
    static void setEphemerisFolder(const std::string& folder);

    static int compute(const EngineRequest& request, double* result);

    // The Swiss Ephemeris letter of house system 0 to 11.
    static char houseMethod(int houseSystem);
    static double julianDayUniversal(const EngineRequest& request);
};

}  // namespace orvanta::engine
