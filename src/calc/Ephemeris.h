#pragma once

#include <array>
#include <optional>

#include "calc/Bodies.h"

namespace orvanta {

// Where a body is at one instant: geocentric, apparent, tropical ecliptic of date.
struct BodyPosition {
    double longitude = 0.0;  // degrees, 0 <= longitude < 360
    double latitude = 0.0;   // degrees
    double speed = 0.0;      // degrees of longitude per day; negative while retrograde
};

// The twelve house cusps (index 1 to 12; index 0 unused) with the Ascendant and the MC, in
// degrees of longitude. `exact` is false where the system asked for cannot be built at the
// latitude and the engine's fallback was used instead.
struct HouseCusps {
    std::array<double, Bodies::kHouseCount + 1> cusp{};
    double ascendant = 0.0;
    double mc = 0.0;
    bool exact = true;
};

// Positions at any instant, in full double precision: the query behind exact moments (root
// finding over a period, returns, progressions). Times are Universal Time Julian days.
class Ephemeris {
  public:
    // Index 1 to 16 in Bodies numbering; index 0 stays empty.
    using BodyPositions = std::array<std::optional<BodyPosition>, Bodies::kBodyCount + 1>;

    virtual ~Ephemeris() = default;

    // Body 1 to 16 (Bodies numbering, Proserpina and Selena included); nullopt when the body
    // cannot be computed (an ephemeris file it needs is missing), the number is no body or the
    // day lies outside the span the implementation serves.
    virtual std::optional<BodyPosition> body(int number, double julianDayUt) const = 0;

    // All sixteen bodies at one instant; an implementation may answer them in one go.
    virtual BodyPositions bodies(double julianDayUt) const {
        BodyPositions positions;
        for (int number = 1; number <= Bodies::kBodyCount; ++number) {
            positions[static_cast<std::size_t>(number)] = body(number, julianDayUt);
        }
        return positions;
    }

    // The cusps of house system 0 to 11 (HouseSystems numbering) for a place; nullopt when the
    // request is out of range.
    virtual std::optional<HouseCusps> houses(double julianDayUt, double latitude, double longitude,
                                             int houseSystem) const = 0;
};

}  // namespace orvanta
