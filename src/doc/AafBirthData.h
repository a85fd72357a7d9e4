#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/BirthData.h"
#include "doc/AafRecord.h"

namespace orvanta {

class PlaceFinder;
class TimeChangeBase;

// The birth data of an AAF record. The Julian day of #B93, when given, fixes the moment and
// the local time of #A93 only says the zone; without it the zone comes from #B93 or, failing
// that, from the atlas city of the place at that date. Coordinates likewise come from #B93 or
// the atlas.
class AafBirthData {
  public:
    struct Outcome {
        std::optional<BirthData> birth;  // nothing when the record cannot make a chart
        std::string refusal;             // why not
        std::vector<std::string> notes;  // what was changed or guessed on the way
    };

    // JD 2400410.5 is 1 January 1860, 0h UT, where the program's hour count starts.
    static constexpr double kJulianDayOfBase = 2400410.5;

    // `places` may be null: then only what the record itself says is used.
    static Outcome fromRecord(const AafRecord& record, const PlaceFinder* places,
                              const TimeChangeBase& changes);

    static double julianDay(const Date& date, double hours);
    // The Universal date and time to the nearest minute; nothing outside the program's years.
    static std::optional<DateTime> universalTime(double julianDay);
    // The text with each character a chart file cannot hold replaced: accented Latin letters
    // by the plain letter, anything else by "?".
    static std::string storableText(const std::string& utf8);

  private:
    struct Work;
    static bool takeMoment(const AafRecord& record, Work& work);
    static bool takePlace(const AafRecord& record, const PlaceFinder* places, Work& work);
    static bool takeZoneFromAtlas(const AafRecord& record, Work& work);
};

}  // namespace orvanta
