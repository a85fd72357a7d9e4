#include "events/CalendarZone.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "birthdata/ZoneHistory.h"
#include "events/CalendarMoment.h"

namespace orvanta {
namespace {

std::string fixedName(double hours) {
    const int minutes = static_cast<int>(std::lround(std::fabs(hours) * 60.0));
    char text[32];
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", hours < 0.0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text;
}

}  // namespace

CalendarZone::CalendarZone(Kind kind, double hours, std::string name)
    : kind_(kind), hours_(hours), name_(std::move(name)) {}

CalendarZone CalendarZone::fixed(double hours) {
    return {Kind::Fixed, hours, fixedName(hours)};
}

std::optional<CalendarZone> CalendarZone::named(const std::string& zone) {
    if (!ZoneHistory::known(zone)) return std::nullopt;
    return CalendarZone{Kind::Named, 0.0, zone};
}

CalendarZone CalendarZone::computer() {
    return {Kind::Computer, 0.0, "local"};
}

double CalendarZone::offsetAt(double julianDayUt) const {
    switch (kind_) {
        case Kind::Fixed:
            return hours_;
        case Kind::Named: {
            const auto f = CalendarMoment::toMinute(julianDayUt);
            const DateTime universal{f.hour, f.minute, f.day, f.month, f.year};
            return ZoneHistory::offsetAtUniversal(name_, universal).value_or(0.0);
        }
        case Kind::Computer: {
            const auto seconds = static_cast<std::time_t>(
                std::llround((julianDayUt - CalendarMoment::kUnixEpochJulianDay) * 86400));
            std::tm local{};
            if (localtime_r(&seconds, &local) == nullptr) return 0.0;
            return static_cast<double>(local.tm_gmtoff) / 3600.0;
        }
    }
    return 0.0;
}

double CalendarZone::startOfDay(int day, int month, int year) const {
    const double midnightAtGreenwich = CalendarMoment::julianDay(day, month, year, 0.0);
    // The offset at the guess, then at the moment it gives: right except within an hour of a
    // change of the clock, where midnight itself may not exist.
    const double guess = midnightAtGreenwich - offsetAt(midnightAtGreenwich) / 24.0;
    return midnightAtGreenwich - offsetAt(guess) / 24.0;
}

}  // namespace orvanta
