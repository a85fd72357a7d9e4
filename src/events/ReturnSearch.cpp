#include "events/ReturnSearch.h"

#include <cmath>

#include "events/CalendarMoment.h"
#include "events/ExactMomentSearch.h"

namespace orvanta {
namespace {

// The Sun passes a longitude within about two days of the same calendar date every year; a
// week either side of the birthday holds the one passage.
constexpr double kSolarWindowDays = 7.0;
// Longer than the longest sidereal month, so the month's first passage is always inside.
constexpr double kLunarSpanDays = 28.0;
constexpr double kValueToleranceDegrees = 1e-9;

}  // namespace

double ReturnSearch::signedDistance(double longitude, double target) {
    return std::remainder(longitude - target, 360.0);
}

std::optional<double> ReturnSearch::firstAfter(const Ephemeris& ephemeris, int body,
                                               double longitude, double fromUt, double spanDays) {
    const double step = body == Bodies::Moon ? kMoonStepDays : kSunStepDays;
    const auto sample = [&](double time) -> std::optional<ExactMomentSearch::Sample> {
        const auto position = ephemeris.body(body, time);
        if (!position) return std::nullopt;
        return ExactMomentSearch::Sample{signedDistance(position->longitude, longitude),
                                         position->speed};
    };
    auto atLow = sample(fromUt);
    if (!atLow) return std::nullopt;
    if (atLow->value == 0.0) return fromUt;
    for (double low = fromUt; low < fromUt + spanDays; low += step) {
        const double high = low + step;
        const auto atHigh = sample(high);
        if (!atHigh) return std::nullopt;
        // Going forward from behind the target to at or past it; a change of sign across the
        // opposite point (a jump of 360°) is no passage.
        if (atLow->value < 0.0 && atHigh->value >= 0.0 && atHigh->value - atLow->value < 180.0) {
            bool failed = false;
            const auto distance = [&](double time) {
                const auto s = sample(time);
                failed = failed || !s;
                return s.value_or(ExactMomentSearch::Sample{});
            };
            const double time = ExactMomentSearch::refineWithRate(
                distance, low, high, *atLow, *atHigh, kValueToleranceDegrees, kTimeToleranceDays);
            if (failed) return std::nullopt;
            return time;
        }
        atLow = atHigh;
    }
    return std::nullopt;
}

std::optional<double> ReturnSearch::solar(const Ephemeris& ephemeris, double natalSun, int birthDay,
                                          int birthMonth, int year) {
    const double birthday = CalendarMoment::julianDay(1, birthMonth, year, 0.0) + (birthDay - 1);
    return firstAfter(ephemeris, Bodies::Sun, natalSun, birthday - kSolarWindowDays,
                      2.0 * kSolarWindowDays);
}

std::optional<double> ReturnSearch::lunar(const Ephemeris& ephemeris, double natalMoon,
                                          double monthStartUt) {
    return firstAfter(ephemeris, Bodies::Moon, natalMoon, monthStartUt, kLunarSpanDays);
}

}  // namespace orvanta
