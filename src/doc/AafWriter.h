#pragma once

#include <string>

#include "calc/BirthData.h"

namespace orvanta {

// Writes a chart's birth data as an AAF record: #A93 with the local date and time, #B93 with
// the Julian day of the Universal moment, the coordinates to the minute and the zone, and
// #ZNAM naming the zone by its offset. Lines end with CR LF, as the format's home systems do.
class AafWriter {
  public:
    static std::string record(const BirthData& birth);

    // "55n45", "33s52" / "37e37", "70w15": rounded to the minute the format holds.
    static std::string angle(double degrees, char positive, char negative);
    // "3he00", "5hw30".
    static std::string zone(double hours);
    // "UTC+3", "UTC-3:30".
    static std::string zoneName(double hours);

  private:
    // A field holds no comma and no line break; an empty one is written as unknown.
    static std::string field(const std::string& text);
};

}  // namespace orvanta
