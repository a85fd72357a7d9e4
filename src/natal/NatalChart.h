#pragma once

#include <cstdint>
#include <vector>

#include "calc/AspectSetting.h"
#include "calc/BirthData.h"
#include "calc/ChartData.h"
#include "calc/HouseSystems.h"
#include "calc/ZodiacOrientation.h"

namespace orvanta {

// One natal chart: what a ".map" file holds, and the natal aspects,
// which come from the settings file instead.
struct NatalChart {
    BirthData birth;
    ChartData chart;
    ZodiacOrientation orientation;
    std::int32_t houseSystem = 0;  // 0 to 11, or HouseSystems::kNone
    std::int32_t autoGreenwich = 0;
    NatalAspectTable aspects;
    std::vector<std::uint8_t> notebook;  // the whole observations notebook file

    bool hasHouses() const { return chart.housesUnavailable == 0; }
};

}  // namespace orvanta
