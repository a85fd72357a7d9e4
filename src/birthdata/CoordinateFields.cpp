#include "birthdata/CoordinateFields.h"

#include <cmath>

#include "calc/Calendar.h"

namespace orvanta {
namespace {

// No coordinate comes near this; the bound keeps the conversion to whole degrees defined for
// any value a file may hold.
constexpr double kLargestMagnitude = 100000.0;

}  // namespace

CoordinateFields CoordinateFields::fromValue(double value) {
    CoordinateFields fields;
    if (!std::isfinite(value)) return fields;
    const double magnitude = std::fmin(std::fabs(value), kLargestMagnitude);
    fields.degrees = static_cast<int>(std::trunc(magnitude));
    fields.minutes = Calendar::round((magnitude - fields.degrees) * 60.0);
    fields.negative = value < 0.0;
    return fields;
}

double CoordinateFields::toValue() const {
    const double magnitude = degrees + minutes / 60.0;
    return negative ? -magnitude : magnitude;
}

}  // namespace orvanta
