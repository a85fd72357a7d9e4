#pragma once

#include <string>

namespace orvanta {

// One named place of birth. The name is UTF-8 in memory and Windows-1251 in the file.
struct PlaceRecord {
    std::string name;
    double longitude = 0.0;  // decimal degrees, east positive
    double latitude = 0.0;   // decimal degrees, north positive
};

}  // namespace orvanta
