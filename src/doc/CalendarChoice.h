#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/Calendar.h"
#include "events/CalendarRequest.h"
#include "events/CalendarZone.h"

namespace orvanta {

class CZodiacDoc;
class PlaceFinder;

// What the transit calendar's dialog decides: the period, the transiting bodies, the natal
// points and the aspects (preset from the event chart's settings), the Moon, and the clock
// the times are shown in. The dialog only moves values between this and its controls.
class CalendarChoice {
  public:
    enum class ZoneKind { Computer, Place, Fixed };

    struct Item {
        int number = 0;  // body 1 to 16, or natal point 1 to 28
        std::string name;
        bool on = false;
    };
    struct AspectItem {
        CalendarRequest::Aspect aspect;
        std::string symbol;
        bool on = false;
    };

    static constexpr int kLongestPeriodYears = 200;
    static constexpr double kLargestZoneHours = 14.0;

    // From today to the same day a year on; bodies other than the Moon, points and aspects
    // as the chart's transit settings have them.
    CalendarChoice(const CZodiacDoc& doc, Date today);

    Date from;
    Date to;
    bool moon = false;
    ZoneKind zoneKind = ZoneKind::Computer;
    std::string place;
    double zoneHours = 0.0;
    std::vector<Item> bodies;  // without the Moon: it has its own switch
    std::vector<Item> points;
    std::vector<AspectItem> aspects;

    // What keeps the search from running, in the user's words; empty when nothing does.
    std::string problem() const;
    // The clock of the times; nullopt with the reason when the place is unknown or has no
    // time zone.
    std::optional<CalendarZone> zone(const PlaceFinder& places, std::string& reason) const;
    // The search the choice asks for, its days running from midnight to midnight on the clock.
    CalendarRequest request(const CalendarZone& zone) const;

  private:
    std::vector<CalendarRequest::Point> natalPoints_;  // every point the chart has, by number
};

}  // namespace orvanta
