#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

// One chart file of the collection as its list shows it: the header fields of the chart, or
// the reason the file could not be read.
struct ChartListing {
    std::string path;
    std::uintmax_t size = 0;
    std::int64_t modified = 0;  // nanoseconds of the file's modification time
    std::string name;           // the file's name when the chart could not be read
    std::string place;
    std::string houseSystem;
    int day = 0;
    int month = 0;
    int year = 0;
    int hour = 0;
    int minute = 0;
    std::string damage;  // empty for a chart that was read
};

}  // namespace orvanta
