#pragma once

#include <cstdint>

namespace orvanta {

// Where a body or house cusp stands at a chart's moment: its longitude split into sign,
// degrees, minutes and seconds, and its retrograde state.
struct ObjectPosition {
    double longitude = 0.0;
    double degreeInSign = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;
    std::int32_t retrograde = 0;
    std::int32_t sign = 0;

    // Sets the longitude (0 <= L < 360) and derives the sign, degree in sign, minutes and
    // seconds by truncation, with no rounding.
    void setLongitude(double value);

    // Derives minutes and seconds from the degree in sign.
    void splitDegreeInSign();

    // A longitude brought into 0 <= L < 360 (a sum just under a whole turn rounds to 0, not 360).
    static double intoCircle(double longitude);
};

}  // namespace orvanta
