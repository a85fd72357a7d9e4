#pragma once

#include <cstdint>

namespace orvanta {

// Which way the zodiac runs on the wheel and where the wheel starts.
struct ZodiacOrientation {
    std::int32_t direction = 0;  // 0 counter-clockwise (Western), 1 clockwise
    std::int32_t fromAries = 1;
    std::int32_t fromAscendant = 0;
    double angle = 0.0;  // used when neither switch is set

    // A chart without houses has no Ascendant to count from: it counts from Aries instead.
    void fitToHouses(bool housesUnavailable);
};

}  // namespace orvanta
