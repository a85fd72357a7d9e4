#pragma once

#include <cmath>
#include <vector>

#include "calc/Ephemeris.h"

namespace orvanta::testing {

// Degrees from a target to a longitude, -180 to under 180.
inline double degreesPast(double longitude, double target) {
    const double distance = std::remainder(longitude - target, 360.0);
    return distance == 180.0 ? -180.0 : distance;
}

// A body's longitudes on a dense grid over [from, to).
inline std::vector<double> sampledLongitudes(const Ephemeris& sky, int body, double from, double to,
                                             double step) {
    std::vector<double> longitudes;
    for (double time = from; time < to; time += step) {
        longitudes.push_back(sky.body(body, time)->longitude);
    }
    return longitudes;
}

// How often the sampled body meets a longitude, counted by brute force: a change of sign of
// the distance that is no jump across the opposite point. A check apart from the bracketing
// under test, which steps far more coarsely.
inline int meetings(const std::vector<double>& longitudes, double target) {
    int count = 0;
    for (std::size_t i = 1; i < longitudes.size(); ++i) {
        const double previous = degreesPast(longitudes[i - 1], target);
        const double current = degreesPast(longitudes[i], target);
        if ((previous < 0.0) != (current < 0.0) && std::fabs(previous - current) < 180.0) ++count;
    }
    return count;
}

}  // namespace orvanta::testing
