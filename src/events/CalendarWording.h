#pragma once

#include <string>

#include "events/CalendarEvent.h"

namespace orvanta {

// The Russian words of the transit calendar: names of bodies, natal points, signs and
// aspects, and the one-line summary of an event ("Сатурн □ Солнце", "Юпитер входит в Рак").
class CalendarWording {
  public:
    static std::string bodyName(int body);
    // A body by its name, a house cusp as "X дом".
    static std::string pointName(int point);
    // The sign as entered: "Рак", "Деву".
    static std::string signEntered(int sign);
    // The usual glyph of a major or minor aspect, else the angle in degrees.
    static std::string aspectSymbol(double angle);
    static std::string summary(const CalendarEvent& event);
};

}  // namespace orvanta
