#pragma once

#include "calc/BirthData.h"

namespace orvanta::bench {

// The chart the drawing benchmarks measure: Moscow, 12 April 1961, 09:07 at three hours ahead
// of Greenwich, Placidus houses.
inline BirthData moscow1961() {
    BirthData birth;
    birth.entered = 1;
    birth.day = birth.gmtDay = 12;
    birth.month = birth.gmtMonth = 4;
    birth.year = birth.gmtYear = 1961;
    birth.hour = 9;
    birth.gmtHour = 6;
    birth.minute = birth.gmtMinute = 7;
    birth.name = "Москва 12.04.1961";
    birth.place = "Москва";
    birth.houseSystemName = "Placidus";
    birth.diffGreenwich = 3.0;
    birth.diffMoscow = 0.0;
    birth.latitude = 55.0 + 45.0 / 60.0;
    birth.longitude = 37.0 + 37.0 / 60.0;
    return birth;
}

}  // namespace orvanta::bench
