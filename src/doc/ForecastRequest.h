#pragma once

#include <string>

#include "calc/Calendar.h"
#include "events/CalendarZone.h"

namespace orvanta {

// Where a return is cast and the clock that tells its local minute.
struct ForecastPlace {
    std::string name;
    double latitude = 0.0;
    double longitude = 0.0;
    CalendarZone zone = CalendarZone::fixed(0.0);
};

// What "Прогрессии и возвраты..." asks for: a progressed or directed chart for a date, or a
// solar return of a year, or a lunar return of a month, at a place.
struct ForecastRequest {
    enum class Kind { Progressions, SolarArc, SolarReturn, LunarReturn };

    Kind kind = Kind::Progressions;
    Date target;          // progressions and directions
    int year = 0;         // returns
    int month = 1;        // a lunar return
    ForecastPlace place;  // returns

    bool isReturn() const { return kind == Kind::SolarReturn || kind == Kind::LunarReturn; }
};

}  // namespace orvanta
