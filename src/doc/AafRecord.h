#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/Calendar.h"

namespace orvanta {

// One chart of an AAF file as read: the #A93 fields, what #B93 and #ZNAM add, and the chunks
// a chart file has no room for. A field given as "*" stays empty or unset.
struct AafRecord {
    int line = 0;  // of the #A93 chunk, counted from 1
    std::string name;
    std::string firstName;
    std::string kind;  // "m", "f", "e"...
    std::optional<Date> date;
    std::optional<int> hour;
    std::optional<int> minute;
    std::string place;
    std::string country;
    std::optional<double> julianDay;  // Universal Time
    std::optional<double> latitude;   // north positive
    std::optional<double> longitude;  // east positive
    std::optional<double> zoneHours;  // standard time ahead of Universal Time
    std::optional<double> daylightHours;
    std::string zoneName;
    std::vector<std::string> skippedChunks;  // "#COM (line 12)"

    // "Фамилия Имя": the name and the first name as one text.
    std::string fullName() const;
    // "Место, страна", or the place alone without a country.
    std::string fullPlace() const;
};

// A record or a line that could not be read.
struct AafProblem {
    int line = 0;
    std::string message;
};

}  // namespace orvanta
