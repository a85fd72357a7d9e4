#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/Picture.h"

namespace orvanta {

// One aspect of the natal or the event chart: how its chord is drawn, its exact angle and
// orb, whether it is used, its interpretation label and its two pictures.
struct AspectSetting {
    static constexpr const char* kDefaultLabel = "<not defined>";
    // Two bodies are never more than 180 degrees apart, so a wider orb, or a negative one,
    // means nothing; both angle and orb lie within 0 to 180.
    static constexpr double kLargestAngle = 180.0;
    static constexpr double kLargestOrb = 180.0;

    std::uint32_t colour = 0;  // Windows colour value: red in the low byte, then green, blue
    Picture symbol{};
    Picture pictogram{};
    std::int32_t lineWidth = 0;  // 0 draws one pixel wide
    std::int32_t lineStyle = 0;  // 0 solid, 1 dashed, 2 dotted, 3 dash-dot, 4 dash-dot-dot
    double angle = 0.0;
    double orb = 0.0;
    std::int32_t included = 0;
    std::string label = kDefaultLabel;
};

// The eighteen aspects of the natal chart and of the event chart.
inline constexpr int kAspectCount = 18;
using AspectTable = std::array<AspectSetting, kAspectCount>;
using NatalAspectTable = AspectTable;
using TransitAspectTable = AspectTable;

}  // namespace orvanta
