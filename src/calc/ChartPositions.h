#pragma once

#include <array>
#include <cstdint>

#include "calc/Bodies.h"
#include "calc/ObjectPosition.h"

namespace orvanta {

// The positions of one moment: 33 objects (0 unused, 1-16 bodies, 17-28 cusps, 29-32 spare)
// and the flag that says the chart has no houses.
struct ChartPositions {
    std::array<ObjectPosition, Bodies::kObjectCount> objects{};
    std::int32_t housesUnavailable = 0;

    ObjectPosition& operator[](int index) { return objects.at(static_cast<std::size_t>(index)); }
    const ObjectPosition& operator[](int index) const {
        return objects.at(static_cast<std::size_t>(index));
    }
};

}  // namespace orvanta
