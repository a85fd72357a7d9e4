#pragma once

#include "calc/ChartPositions.h"
#include "calc/ChartStyle.h"

namespace orvanta {

// A chart as it is drawn and read: the positions of its moment, indexed as chart[number], and
// the style they are drawn with. Code that only computes or compares positions takes
// ChartPositions.
struct ChartData : ChartPositions {
    ChartStyle style;
};

}  // namespace orvanta
