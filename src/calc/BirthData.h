#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

// Birth data of a natal chart as the birth-data entry confirms them.
struct BirthData {
    std::int32_t entered = 0;
    std::int32_t day = 1;
    std::int32_t month = 1;
    std::int32_t year = 2000;
    std::int32_t hour = 12;
    std::int32_t minute = 0;
    std::int32_t gmtDay = 1;
    std::int32_t gmtMonth = 1;
    std::int32_t gmtYear = 2000;
    std::int32_t gmtHour = 9;
    std::int32_t gmtMinute = 0;
    std::string name;
    std::string place;
    std::string houseSystemName;
    double diffGreenwich = 3.0;  // hours local time is ahead of Universal Time
    double diffMoscow = 0.0;     // hours local time is ahead of Moscow time
    double latitude = 0.0;       // north positive
    double longitude = 0.0;      // east positive

    // The Greenwich date and time from the local ones and a zone of zoneHours east of
    // Greenwich, which also becomes the difference with Greenwich.
    void deriveGreenwich(double zoneHours);

    friend bool operator==(const BirthData&, const BirthData&) = default;
};

}  // namespace orvanta
