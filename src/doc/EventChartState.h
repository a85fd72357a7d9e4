#pragma once

#include "calc/Calendar.h"

namespace orvanta {

// What the document keeps of its event chart: the day shown and whether its situations have
// been computed for the chart as it is now.
struct EventChartState {
    Date date;
    bool computed = false;
};

}  // namespace orvanta
