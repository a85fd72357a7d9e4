#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

// One city of the world atlas, with its names in Russian where the atlas has them.
struct AtlasCity {
    std::string name;    // always a text Windows-1251 can hold, so it can become a place name
    std::string region;  // may be empty
    std::string country;
    std::string zone;        // IANA time zone, such as "Asia/Yekaterinburg"
    double latitude = 0.0;   // north positive
    double longitude = 0.0;  // east positive
    std::uint32_t population = 0;

    // "Город — область, страна", or "Город — страна" without a region.
    std::string label() const;
};

}  // namespace orvanta
