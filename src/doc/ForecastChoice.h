#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/BirthData.h"
#include "calc/Calendar.h"
#include "doc/ForecastRequest.h"

namespace orvanta {

class PlaceFinder;

// What "Прогрессии и возвраты..." decides: the kind, the target date of a progressed or
// directed chart (today at first), the year of a solar return (that of the last birthday) or
// the year and month of a lunar return (this month), and the place of a return (the birth
// place, or a place of the user's base or the atlas with that place's clock). The dialog only
// moves values between this and its controls.
class ForecastChoice {
  public:
    using Kind = ForecastRequest::Kind;
    enum class PlaceKind { Birth, Named };

    ForecastChoice(const BirthData& birth, Date today);

    Kind kind = Kind::Progressions;
    Date target;
    int solarYear = 0;
    int lunarYear = 0;
    int lunarMonth = 1;
    PlaceKind placeKind = PlaceKind::Birth;
    std::string place;  // the place's text when it is not the birth place

    // The kinds in the order the dialog offers them, with their names.
    static const std::vector<std::pair<Kind, std::string>>& kinds();

    // Which values the kind takes.
    bool takesDate() const { return !takesYear(); }
    bool takesYear() const { return kind == Kind::SolarReturn || kind == Kind::LunarReturn; }
    bool takesMonth() const { return kind == Kind::LunarReturn; }
    bool takesPlace() const { return takesYear(); }
    const BirthData& birth() const { return birth_; }
    // The year the kind takes: a solar return's, or a lunar return's (each keeps its own, so
    // switching the kind back and forth shows each as it was left).
    int year() const { return takesMonth() ? lunarYear : solarYear; }
    void setYear(int value) { (takesMonth() ? lunarYear : solarYear) = value; }

    // What keeps the chart from being built, in the user's words; empty when nothing does.
    std::string problem() const;
    // The return's place and clock; nullopt with the reason when a named place is unknown or
    // has no clock. The birth place takes the clock of an atlas city of its name nearby, or
    // else the birth's own difference from Greenwich.
    std::optional<ForecastPlace> placeOf(const PlaceFinder& places, std::string& reason) const;
    // The request for the choice, a return cast at `at`.
    ForecastRequest request(ForecastPlace at) const;

  private:
    BirthData birth_;
};

}  // namespace orvanta
