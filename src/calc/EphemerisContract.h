#pragma once

// The engine library's second entry: positions and house cusps at any instant, in full double
// precision. Both the engine and the program include this one declaration.

extern "C" {

// What is asked: one body (1 to 16, the program's body numbering), all sixteen (0), or the
// house cusps of a place (-1).
struct OrvantaInstantQuery {
    int what;
    int houseSystem;  // 0 to 11, the program's numbering; cusps only
    double julianDayUt;
    double latitude;   // degrees, north positive; cusps only
    double longitude;  // degrees, east positive; cusps only
};

// Fills `answer` (EphemerisContract::kAnswerSize doubles) and returns an EphemerisContract
// status. A body: longitude, latitude, speed in longitude. All bodies: the same three for body
// 1, then body 2, ... 16. Cusps: houses 1 to 12, then the Ascendant and the MC. Exported from
// the engine library (the attribute only matters there).
__attribute__((visibility("default"))) int EntryPoint_Instant(const OrvantaInstantQuery* query,
                                                              double* answer);
}

namespace orvanta {

struct EphemerisContract {
    using Entry = decltype(&EntryPoint_Instant);
    static constexpr const char* kEntryName = "EntryPoint_Instant";

    static constexpr int kAllBodies = 0;
    static constexpr int kHouses = -1;
    static constexpr int kBodyCount = 16;
    static constexpr int kValuesPerBody = 3;
    static constexpr int kAnswerSize = kBodyCount * kValuesPerBody;
    static constexpr int kAscendantIndex = 12;
    static constexpr int kMcIndex = 13;
    static_assert(kMcIndex < kAnswerSize);

    // Refused stands alone; the others are bits that may come together.
    enum Status : int {
        kAnswered = 0,
        // No body of that number, a day outside [kFirstDay, kLastDay], a place or house system
        // out of range: nothing is written.
        kRefused = 1,
        // A body needs an ephemeris file that is absent; its three values are NaN.
        kBodyMissing = 2,
        // The house system cannot be built at this latitude: the cusps are Porphyry's.
        kHousesNotExact = 4,
    };

    // 1 January 3000 BC to 1 January 3000 (Gregorian), where the analytical planetary theory
    // stands in for absent ephemeris files.
    static constexpr double kFirstDay = 625697.5;
    static constexpr double kLastDay = 2816787.5;
};

}  // namespace orvanta
