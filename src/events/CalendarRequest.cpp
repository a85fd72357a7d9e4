#include "events/CalendarRequest.h"

#include <cmath>

#include "calc/Bodies.h"

namespace orvanta {
namespace {

bool hasLongitude(const ObjectPosition& object) {
    return object.longitude >= 0.0 && object.longitude < 360.0;
}

}  // namespace

std::vector<int> CalendarRequest::bodiesOf(const ChartData& transitBodies, bool withMoon) {
    std::vector<int> bodies;
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        const bool used =
            body == Bodies::Moon ? withMoon : transitBodies.style[body].transitUse != 0;
        if (used) bodies.push_back(body);
    }
    return bodies;
}

int CalendarRequest::lastPoint(const ChartData& natal) {
    return natal.housesUnavailable != 0 ? Bodies::kBodyCount : Bodies::kLastCusp;
}

std::vector<CalendarRequest::Point> CalendarRequest::pointsOf(const ChartData& natal) {
    std::vector<Point> points;
    for (int number = 1; number <= lastPoint(natal); ++number) {
        if (natal.style[number].radixUse != 0 && hasLongitude(natal[number])) {
            points.push_back({number, natal[number].longitude});
        }
    }
    return points;
}

std::optional<std::vector<CalendarRequest::Point>> CalendarRequest::pointsOf(
    const ChartData& natal, const std::vector<int>& numbers) {
    std::vector<Point> points;
    for (const int number : numbers) {
        if (number < 1 || number > lastPoint(natal) || !hasLongitude(natal[number])) {
            return std::nullopt;
        }
        points.push_back({number, natal[number].longitude});
    }
    return points;
}

std::vector<CalendarRequest::Aspect> CalendarRequest::aspectsOf(const TransitAspectTable& aspects) {
    std::vector<Aspect> chosen;
    for (const AspectSetting& aspect : aspects) {
        if (aspect.included == 0 || aspect.orb <= 0.0) continue;
        // A table that holds an angle twice would find every hit twice.
        bool known = false;
        for (const Aspect& other : chosen) known = known || other.angle == aspect.angle;
        if (!known) chosen.push_back({aspect.angle, aspect.orb});
    }
    return chosen;
}

std::optional<CalendarRequest::Aspect> CalendarRequest::aspectOf(const TransitAspectTable& aspects,
                                                                 double angle) {
    for (const AspectSetting& aspect : aspects) {
        if (std::fabs(aspect.angle - angle) < 1e-9) return Aspect{aspect.angle, aspect.orb};
    }
    return std::nullopt;
}

}  // namespace orvanta
