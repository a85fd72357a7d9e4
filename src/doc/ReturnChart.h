#pragma once

#include <optional>
#include <string>

#include "calc/BirthData.h"
#include "calc/Ephemeris.h"
#include "natal/NatalChart.h"

namespace orvanta {

class CZodiacDoc;

// Where a return is cast: the place and the hours its clock was ahead of Greenwich at the
// return's moment.
struct ReturnPlaceAt {
    std::string name;
    double latitude = 0.0;
    double longitude = 0.0;
    double offsetHours = 0.0;
};

// A solar or lunar return as a chart of its own: a real chart the program saves, steps and
// prints, whose birth time is the return's local minute and whose positions are those of the
// exact moment.
class ReturnChart {
  public:
    // "Соляр 2027 — NAME", or "Лунар 03.2027 — NAME" for the lunar return of a month.
    static std::string name(const std::string& natalName, int year, std::optional<int> month);

    // The local minute nearest the moment on the place's clock, the Greenwich fields from it,
    // and the difference with Moscow's clock at that moment.
    static BirthData birthData(const NatalChart& natal, const ReturnPlaceAt& place, double momentUt,
                               const std::string& name);

    // A new chart of those birth data with the natal chart's house system, its positions then
    // set to those of the exact moment. False, with a message, when it cannot be computed.
    static bool cast(const Ephemeris& ephemeris, const NatalChart& natal, const BirthData& birth,
                     double momentUt, CZodiacDoc& out);
};

}  // namespace orvanta
