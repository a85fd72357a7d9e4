#pragma once

#include <optional>
#include <vector>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"

namespace orvanta {

// What the transit calendar searches: a period, the transiting bodies, the natal points with
// their longitudes and the aspects with their orbs.
struct CalendarRequest {
    struct Point {
        int number = 0;  // natal object 1 to 28
        double longitude = 0.0;
    };
    struct Aspect {
        double angle = 0.0;
        double orb = 0.0;
    };

    double from = 0.0;  // Universal Time Julian days, from inclusive to exclusive
    double to = 0.0;
    std::vector<int> bodies;
    std::vector<Point> points;
    std::vector<Aspect> aspects;

    // As the event chart's settings say: the bodies used for transits (the Moon only when
    // asked), the natal objects used as radix objects (bodies only for a chart without
    // houses) and the included aspects of the transit aspect table.
    static std::vector<int> bodiesOf(const ChartData& transitBodies, bool withMoon);
    static std::vector<Point> pointsOf(const ChartData& natal);
    static std::vector<Aspect> aspectsOf(const TransitAspectTable& aspects);

    // A chosen list: the natal objects named, nothing for a number the chart lacks (a cusp of
    // a chart without houses, or no object at all).
    static std::optional<std::vector<Point>> pointsOf(const ChartData& natal,
                                                      const std::vector<int>& numbers);
    // The aspect of the table with that angle, whether included or not.
    static std::optional<Aspect> aspectOf(const TransitAspectTable& aspects, double angle);

    // Natal points the chart has: 1 to 16, and 17 to 28 with houses.
    static int lastPoint(const ChartData& natal);
};

}  // namespace orvanta
