#pragma once

#include <cstdint>
#include <string>

#include "common/Picture.h"

namespace orvanta {

// One body or house cusp of a chart with its longitude split into sign, degrees, minutes and
// seconds, its retrograde state and its display settings.
struct ChartObject {
    static constexpr const char* kDefaultLabel = "<not defined>";

    ChartObject() = default;
    // A copy carries every field except the pictures, which stay with the record they were
    // loaded into: the copy's pictures are empty. Moving hands the pictures over.
    ChartObject(const ChartObject& other);
    ChartObject& operator=(const ChartObject& other);
    ChartObject(ChartObject&&) noexcept = default;
    ChartObject& operator=(ChartObject&&) noexcept = default;
    ~ChartObject() = default;

    double longitude = 0.0;
    double degreeInSign = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;
    std::int32_t retrograde = 0;
    std::int32_t shown = 1;
    std::int32_t transitUse = 1;
    std::int32_t radixUse = 1;
    std::int32_t identifier = 0;
    std::string name;
    Picture symbol;     // first picture
    Picture pictogram;  // second picture
    std::int32_t sign = 0;
    std::string label = kDefaultLabel;

    // Sets the longitude (0 <= L < 360) and derives the sign, degree in sign, minutes and
    // seconds by truncation, with no rounding.
    void setLongitude(double value);

    // Derives minutes and seconds from the degree in sign.
    void splitDegreeInSign();
};

}  // namespace orvanta
