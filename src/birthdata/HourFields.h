#pragma once

#include <utility>

namespace orvanta {

// A difference in hours as the birth-data entry shows it in two edits, hours and minutes.
class HourFields {
  public:
    // Hours truncated toward zero carry the sign, minutes are the rounded rest.
    static std::pair<int, int> split(double hours);
    // (|hours| + minutes / 60), negative when the hours are.
    static double join(int hours, int minutes);
};

}  // namespace orvanta
