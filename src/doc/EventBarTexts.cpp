#include "doc/EventBarTexts.h"

#include <cmath>
#include <cstdio>

namespace orvanta {

std::string EventBarTexts::date(Date date) {
    return std::to_string(date.day) + "." + std::to_string(date.month) + "." +
           std::to_string(date.year);
}

std::string EventBarTexts::zoneCaption(double greenwichDifference) {
    const double magnitude = std::fabs(greenwichDifference);
    int hours = static_cast<int>(magnitude);
    int minutes = Calendar::round((magnitude - hours) * 60.0);
    // 2.9999 hours reads as 03:00, not 02:60.
    if (minutes == 60) {
        ++hours;
        minutes = 0;
    }
    char text[64];
    std::snprintf(text, sizeof text, "Часовой пояс [GMT%c%02d:%02d]",
                  greenwichDifference >= 0.0 ? '+' : '-', hours, minutes);
    return text;
}

}  // namespace orvanta
