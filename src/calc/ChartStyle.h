#pragma once

#include <array>

#include "calc/Bodies.h"
#include "calc/ObjectStyle.h"

namespace orvanta {

// The style of a chart's 33 objects, numbered as its positions are. One style can serve
// several position sets (a natal chart and its progressions, two charts compared).
struct ChartStyle {
    std::array<ObjectStyle, Bodies::kObjectCount> objects{};

    ObjectStyle& operator[](int index) { return objects.at(static_cast<std::size_t>(index)); }
    const ObjectStyle& operator[](int index) const {
        return objects.at(static_cast<std::size_t>(index));
    }

    // Objects 1 to 16 receive their identifiers and names.
    void assignBodyNames();
};

}  // namespace orvanta
