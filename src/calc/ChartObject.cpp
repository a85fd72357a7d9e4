#include "calc/ChartObject.h"

#include <cmath>
#include <utility>

namespace orvanta {

ChartObject::ChartObject(const ChartObject& other)
    : longitude(other.longitude),
      degreeInSign(other.degreeInSign),
      minutes(other.minutes),
      seconds(other.seconds),
      retrograde(other.retrograde),
      shown(other.shown),
      transitUse(other.transitUse),
      radixUse(other.radixUse),
      identifier(other.identifier),
      name(other.name),
      sign(other.sign),
      label(other.label) {}

ChartObject& ChartObject::operator=(const ChartObject& other) {
    if (this != &other) {
        ChartObject copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void ChartObject::setLongitude(double value) {
    longitude = value;
    degreeInSign = value;
    // Repeated subtraction rather than fmod keeps the exact values that readers of the stored
    // charts expect.
    while (degreeInSign >= 30.0) degreeInSign -= 30.0;
    splitDegreeInSign();
    sign = static_cast<std::int32_t>(std::trunc(value / 30.0)) + 1;
}

void ChartObject::splitDegreeInSign() {
    minutes = (degreeInSign - std::trunc(degreeInSign)) * 60.0;
    seconds = (minutes - std::trunc(minutes)) * 60.0;
}

}  // namespace orvanta
