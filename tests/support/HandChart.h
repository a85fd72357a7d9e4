#pragma once

#include "calc/AspectSetting.h"
#include "calc/Bodies.h"
#include "calc/ChartData.h"

namespace orvanta::test {

// Charts worked by hand: every body hidden until a test places it, so no other pair can
// form an aspect by accident, and houses only when a test asks for them.
inline ChartData emptyHandChart() {
    ChartData chart;
    chart.style.assignBodyNames();
    for (int i = 1; i <= Bodies::kLastCusp; ++i) {
        chart.style[i].identifier = i;
        chart.style[i].shown = 0;
    }
    chart.housesUnavailable = 1;
    return chart;
}

inline void placeBody(ChartData& chart, int body, double longitude, bool retrograde = false) {
    chart[body].setLongitude(longitude);
    chart.style[body].shown = 1;
    chart[body].retrograde = retrograde ? 1 : 0;
}

// Twelve houses of 30 degrees each, the first starting at the Ascendant.
inline void equalHouses(ChartData& chart, double ascendant) {
    chart.housesUnavailable = 0;
    for (int house = 1; house <= Bodies::kHouseCount; ++house) {
        double cusp = ascendant + 30.0 * (house - 1);
        if (cusp >= 360.0) cusp -= 360.0;
        chart[Bodies::cuspOfHouse(house)].setLongitude(cusp);
        chart.style[Bodies::cuspOfHouse(house)].shown = 1;
    }
}

// The five major aspects with the orbs of the delivered settings (8, 8, 7, 7, 5), and the
// quincunx of orb 2 when asked for.
inline NatalAspectTable majorAspects(bool withQuincunx = false) {
    NatalAspectTable table{};
    const double angles[] = {0.0, 180.0, 120.0, 90.0, 60.0, 150.0};
    const double orbs[] = {8.0, 8.0, 7.0, 7.0, 5.0, 2.0};
    for (int i = 0; i < 6; ++i) {
        table[static_cast<std::size_t>(i)].angle = angles[i];
        table[static_cast<std::size_t>(i)].orb = orbs[i];
        table[static_cast<std::size_t>(i)].included = (i < 5 || withQuincunx) ? 1 : 0;
    }
    return table;
}

}  // namespace orvanta::test
