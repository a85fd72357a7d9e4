#pragma once

#include <vector>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"

namespace orvanta {

// A sensitive point of the event chart: a natal object's longitude moved by an aspect angle.
struct AspectPoint {
    double longitude = 0.0;  // 0 <= longitude < 360 for any natal longitude within a turn
    double aspectAngle = 0.0;
    int aspectIndex = 0;
    int radix = 0;

    // For each natal object (bodies only when the chart has no houses) and each aspect in
    // table order: the point at +angle, and unless the angle is exactly 0 or 180 the point at
    // -angle right after it. Every aspect table gets room for all its points.
    static std::vector<AspectPoint> collect(const ChartData& natal,
                                            const TransitAspectTable& aspects);

    // One subtraction of 360 at 360 or more, then one addition of 360 below 0.
    static double reduce(double longitude);
};

}  // namespace orvanta
