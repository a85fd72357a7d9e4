#pragma once

#include <string>

#include "calc/Calendar.h"
#include "natal/NatalChart.h"

namespace orvanta {

// The texts of the bars above the chart windows.
class ChartBarTexts {
  public:
    // The person's name.
    static std::string name(const NatalChart& natal);
    // Local birth date and time "D.M.YYYY H:M" with no padding, then, for a chart with houses,
    // "  дома " and the house system name.
    static std::string birthMoment(const NatalChart& natal);
    // The date of the event chart, "D.M.YYYY".
    static std::string eventDate(const Date& date);
};

}  // namespace orvanta
