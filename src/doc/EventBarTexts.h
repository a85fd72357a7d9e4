#pragma once

#include <string>

#include "calc/Calendar.h"

namespace orvanta {

// The texts of the event chart window's bar: the date and the time-zone button's caption.
class EventBarTexts {
  public:
    // "15.6.2024"
    static std::string date(Date date);
    // "Часовой пояс [GMT+03:00]": the sign (plus for 0), whole hours and minutes rounded to
    // the nearest minute, both of the absolute difference and two digits wide.
    static std::string zoneCaption(double greenwichDifference);
};

}  // namespace orvanta
