#pragma once

#include "calc/ChartPositions.h"

namespace orvanta {

// Which house of a chart an object stands in, from the longitudes of the twelve cusps.
class ChartHouses {
  public:
    // 1 to 12: the house whose cusp the object has passed last going forward through the
    // zodiac; 0 when the chart has no houses or a longitude is not a finite number.
    static int houseOf(const ChartPositions& chart, int object);
    // The distance going forward from `from` to `to`, in 0 up to but not including 360 degrees.
    static double forwardArc(double from, double to);
};

}  // namespace orvanta
