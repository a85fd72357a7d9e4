#pragma once

#include <cstdint>

#include "calc/BirthData.h"
#include "calc/ObjectPosition.h"
#include "calc/ZodiacOrientation.h"

namespace orvanta {

// The values a chart file may hold: what the birth-data entry accepts and what the chart
// computation produces. A value outside them throws ValueCheck::Error naming it; a file with
// such a value cannot come from the program and is refused as damaged.
class MapFileLimits {
  public:
    // The birth data's own limits, which the birth-data entry shares (BirthDataLimits).
    static void checkBirth(const BirthData& birth);
    static void checkObject(const ObjectPosition& object);
    // The stored position of an object as a planet record carries it: longitude, degree in
    // sign, minutes, retrograde flag and sign within their ranges.
    static void checkPosition(const ObjectPosition& object);
    // Sign and degree in sign belong to the longitude; sign 0 only for an object never
    // computed (longitude and degree 0). Object 0 is not checked: the document resets its
    // longitude on loading and leaves the rest.
    static void checkSignAgreement(const ObjectPosition& object);
    static void checkTail(std::int32_t housesUnavailable, const ZodiacOrientation& orientation,
                          std::int32_t houseSystem, std::int32_t autoGreenwich);
};

}  // namespace orvanta
