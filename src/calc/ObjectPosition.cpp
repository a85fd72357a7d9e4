#include "calc/ObjectPosition.h"

#include <cmath>

namespace orvanta {

void ObjectPosition::setLongitude(double value) {
    longitude = value;
    degreeInSign = value;
    // Repeated subtraction rather than fmod keeps the exact values that readers of the stored
    // charts expect.
    while (degreeInSign >= 30.0) degreeInSign -= 30.0;
    splitDegreeInSign();
    sign = static_cast<std::int32_t>(std::trunc(value / 30.0)) + 1;
}

void ObjectPosition::splitDegreeInSign() {
    minutes = (degreeInSign - std::trunc(degreeInSign)) * 60.0;
    seconds = (minutes - std::trunc(minutes)) * 60.0;
}

double ObjectPosition::intoCircle(double longitude) {
    double reduced = std::fmod(longitude, 360.0);
    if (reduced < 0.0) reduced += 360.0;
    return reduced >= 360.0 ? 0.0 : reduced;
}

}  // namespace orvanta
