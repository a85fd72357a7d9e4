#pragma once

#include <optional>

#include "calc/Ephemeris.h"

namespace orvanta {

// When a body comes back to a longitude: the moment of a solar or lunar return, found by
// bracketing the crossing on a short step and refining it on the positions at an instant.
class ReturnSearch {
  public:
    // Steps short enough that a bracket holds one crossing and never wraps the circle.
    static constexpr double kSunStepDays = 5.0;
    static constexpr double kMoonStepDays = 0.5;
    // The refined moment lies within this of the crossing (a tenth of a second).
    static constexpr double kTimeToleranceDays = 0.1 / 86400.0;

    // The first moment at or after fromUt when the body's longitude passes `longitude` going
    // forward, looked for over `spanDays`; nothing when it does not, or the ephemeris fails.
    static std::optional<double> firstAfter(const Ephemeris& ephemeris, int body, double longitude,
                                            double fromUt, double spanDays);

    // The solar return of a year: the Sun's passage of its natal longitude nearest the
    // birthday of that year (by the birth's local date; 29 February falls on 1 March).
    static std::optional<double> solar(const Ephemeris& ephemeris, double natalSun, int birthDay,
                                       int birthMonth, int year);
    // The lunar return of a month: the Moon's first passage of its natal longitude at or after
    // monthStartUt, the first moment of the month on the clock of the return's place.
    static std::optional<double> lunar(const Ephemeris& ephemeris, double natalMoon,
                                       double monthStartUt);

    // Longitude minus target, reduced to -180 .. 180.
    static double signedDistance(double longitude, double target);
};

}  // namespace orvanta
