#pragma once

#include <optional>
#include <string>

namespace orvanta {

// The clock the calendar's local times are shown in: a fixed difference from Greenwich, a
// time zone with its history of offsets (an atlas place), or the computer's own zone.
class CalendarZone {
  public:
    static CalendarZone fixed(double hours);
    // Nothing when the system's time zone database lacks the zone.
    static std::optional<CalendarZone> named(const std::string& zone);
    static CalendarZone computer();

    // Hours the clock is ahead of Universal Time at a Universal Time Julian day.
    double offsetAt(double julianDayUt) const;
    // The Universal Time Julian day of 00:00 of a date on this clock.
    double startOfDay(int day, int month, int year) const;
    // "UTC+03:00", the zone's name ("Europe/Moscow"), or "local".
    const std::string& name() const { return name_; }

  private:
    enum class Kind { Fixed, Named, Computer };
    CalendarZone(Kind kind, double hours, std::string name);

    Kind kind_;
    double hours_;
    std::string name_;
};

}  // namespace orvanta
