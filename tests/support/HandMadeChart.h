#pragma once

#include <initializer_list>
#include <utility>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"

namespace orvanta::testing {

// A chart with every body and cusp hidden at 0 Aries; a test places and shows only the
// objects it needs, so that no other pair can match by accident.
inline ChartData hiddenChart(bool houses = true) {
    ChartData chart;
    chart.style.assignBodyNames();
    chart.housesUnavailable = houses ? 0 : 1;
    for (int i = 1; i <= 28; ++i) {
        chart.style[i].identifier = i;
        chart[i].setLongitude(0.0);
        chart.style[i].shown = 0;
    }
    return chart;
}

// Shows each object at its longitude.
inline ChartData chartWith(std::initializer_list<std::pair<int, double>> objects,
                           bool houses = true) {
    ChartData chart = hiddenChart(houses);
    for (const auto& [object, longitude] : objects) {
        chart[object].setLongitude(longitude);
        chart.style[object].shown = 1;
    }
    return chart;
}

inline void includeAspect(NatalAspectTable& table, int index, double angle, double orb) {
    table[static_cast<std::size_t>(index)].angle = angle;
    table[static_cast<std::size_t>(index)].orb = orb;
    table[static_cast<std::size_t>(index)].included = 1;
}

}  // namespace orvanta::testing
