#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/BirthData.h"
#include "calc/ChartData.h"
#include "support/HandChart.h"

namespace orvanta::test {

// Four births (Екатеринбург 1985, Владивосток 1979, Калининград 1994, Москва 1957) with the
// longitudes of their sixteen bodies, their retrograde flags and the Ascendant (negative: no
// houses) as "orvanta-cli chart" gave them for the local time and zone kept beside them; the houses
// are made equal from the Ascendant, so that a test can work out each house by hand.
struct HandBirth {
    const char* name;
    const char* place;
    std::array<double, 16> longitudes;
    std::array<int, 16> retrograde;
    double ascendant;
    int day, month, year, hour, minute;
    double zone;  // hours east of Greenwich
};

inline const std::vector<HandBirth>& handBirths() {
    static const std::vector<HandBirth> births = {
        {"Анна Соколова",
         "Екатеринбург",
         {325.3103, 257.31, 321.2156, 9.9697, 8.5115, 301.6857, 237.7344, 63.2686, 257.3906,
          272.9396, 214.7291, 210.9306, 52.8147, 232.8147, 197.2904, 18.0434},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0},
         277.9463,
         14,
         2,
         1985,
         6,
         40,
         5.0},
        {"Дмитрий Ким",
         "Владивосток",
         {160.4061, 298.9385, 151.1714, 162.8622, 106.8369, 144.6369, 166.3678, 43.8081, 227.5714,
          257.7274, 197.653, 208.414, 158.2242, 338.2242, 276.9786, 156.1895},
         {0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0},
         46.5393,
         3,
         9,
         1979,
         22,
         15,
         10.0},
        {"Ольга Берг",
         "Калининград",
         {95.5344, 326.385, 92.4703, 134.127, 55.3449, 214.8017, 342.3882, 155.6708, 295.1352,
          292.4206, 235.6822, 215.2546, 231.7016, 51.7016, 318.9464, 39.0312},
         {0, 0, 1, 0, 0, 1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 0},
         178.012,
         27,
         6,
         1994,
         13,
         5,
         3.0},
        {"Сергей Орлов",
         "Москва",
         {236.7729, 206.2252, 251.4855, 283.9191, 217.0344, 201.5215, 254.46, 312.708, 131.6652,
          213.2279, 152.2704, 198.3532, 219.642, 39.642, 236.3088, 349.7338},
         {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 1, 0, 0},
         -1.0,
         19,
         11,
         1957,
         12,
         0,
         3.0},
    };
    return births;
}

inline ChartData chartOf(const HandBirth& birth) {
    ChartData chart = emptyHandChart();
    for (int body = 1; body <= 16; ++body) {
        const auto i = static_cast<std::size_t>(body - 1);
        placeBody(chart, body, birth.longitudes[i], birth.retrograde[i] != 0);
    }
    if (birth.ascendant >= 0) equalHouses(chart, birth.ascendant);
    return chart;
}

inline BirthData birthDataOf(const HandBirth& birth) {
    BirthData data;
    data.name = birth.name;
    data.place = birth.place;
    data.houseSystemName = birth.ascendant >= 0 ? "Equal" : "";
    data.day = birth.day;
    data.month = birth.month;
    data.year = birth.year;
    data.hour = birth.hour;
    data.minute = birth.minute;
    data.deriveGreenwich(birth.zone);
    return data;
}

}  // namespace orvanta::test
