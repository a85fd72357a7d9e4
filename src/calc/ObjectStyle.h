#pragma once

#include <cstdint>
#include <string>

#include "common/Picture.h"

namespace orvanta {

// How a body or house cusp is drawn and read, whatever the moment: whether it is shown and
// counted in transits and in the radix, its identifier, name, pictures and label. A copy
// shares the pictures.
struct ObjectStyle {
    static constexpr const char* kDefaultLabel = "<not defined>";

    std::int32_t shown = 1;
    std::int32_t transitUse = 1;
    std::int32_t radixUse = 1;
    std::int32_t identifier = 0;
    std::string name;
    Picture symbol;     // first picture
    Picture pictogram;  // second picture
    std::string label = kDefaultLabel;
};

}  // namespace orvanta
