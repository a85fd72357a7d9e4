#pragma once

#include <array>
#include <cstdint>

#include "calc/Bodies.h"
#include "calc/ChartObject.h"

namespace orvanta {

// A chart record: 33 objects (0 unused, 1-16 bodies, 17-28 cusps, 29-32 spare) and the flag
// that says the chart has no houses.
struct ChartData {
    std::array<ChartObject, Bodies::kObjectCount> objects{};
    std::int32_t housesUnavailable = 0;

    ChartObject& operator[](int index) { return objects.at(static_cast<std::size_t>(index)); }
    const ChartObject& operator[](int index) const {
        return objects.at(static_cast<std::size_t>(index));
    }

    // Objects 1 to 16 receive their identifiers and names.
    void assignBodyNames();
};

}  // namespace orvanta
