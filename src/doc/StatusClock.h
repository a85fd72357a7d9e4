#pragma once

#include <string>

namespace orvanta {

// The texts of the main frame's date and time panes.
class StatusClock {
  public:
    // "7 декабря 2026, Пн."
    static std::string dateText(int day, int month, int year);
    // "09:05" followed by three spaces.
    static std::string timeText(int hour, int minute);
};

}  // namespace orvanta
