#pragma once

#include <optional>
#include <string>

#include "calc/Ephemeris.h"
#include "doc/ForecastRequest.h"
#include "natal/NatalChart.h"

namespace orvanta {

class CZodiacDoc;

// A return the dialog asks for, as a chart: its exact moment, then the chart of that moment
// at the request's place, named as the command line names it.
class ReturnCasting {
  public:
    // "Соляр 2027 — NAME" or "Лунар 03.2027 — NAME".
    static std::string name(const NatalChart& natal, const ForecastRequest& request);
    // The solar return of the year (nearest the birthday) or the lunar return of the month
    // (the first after the month begins on the place's clock); nothing when none is found.
    static std::optional<double> moment(const Ephemeris& ephemeris, const NatalChart& natal,
                                        const ForecastRequest& request);
    // The return chart of that moment into `out`; false, with a message, when it cannot be
    // computed.
    static bool cast(const Ephemeris& ephemeris, const NatalChart& natal,
                     const ForecastRequest& request, double momentUt, CZodiacDoc& out);
};

}  // namespace orvanta
