#include "events/AspectPoint.h"

#include "calc/Bodies.h"

namespace orvanta {

double AspectPoint::reduce(double longitude) {
    if (longitude >= 360.0) longitude -= 360.0;
    if (longitude < 0.0) longitude += 360.0;
    return longitude;
}

std::vector<AspectPoint> AspectPoint::collect(const ChartData& natal,
                                              const TransitAspectTable& aspects) {
    const int objects = natal.housesUnavailable != 0 ? Bodies::kBodyCount : Bodies::kLastCusp;
    std::vector<AspectPoint> points;
    points.reserve(static_cast<std::size_t>(objects) * 2 * kAspectCount);
    for (int k = 1; k <= objects; ++k) {
        const double natalLongitude = natal[k].longitude;
        for (int j = 0; j < kAspectCount; ++j) {
            const double angle = aspects[static_cast<std::size_t>(j)].angle;
            points.push_back({reduce(natalLongitude + angle), angle, j, k});
            if (angle != 0.0 && angle != 180.0) {
                points.push_back({reduce(natalLongitude - angle), angle, j, k});
            }
        }
    }
    return points;
}

}  // namespace orvanta
