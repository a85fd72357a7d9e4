#pragma once

#include <optional>

#include "calc/Calendar.h"
#include "calc/Ephemeris.h"
#include "natal/NatalChart.h"

namespace orvanta {

// A natal chart moved to a target date: by secondary progressions (a day after birth for each
// year of life, the angles by the solar arc) or by solar arc directions. The target date is
// taken at the birth's time of day, so that on each birthday a whole day more has passed.
class ProgressedChart {
  public:
    enum class Method { Progressions, SolarArc };

    struct Moved {
        NatalChart chart;       // the natal chart with its pictures, positions moved
        double arc = 0.0;       // the progressed Sun's arc, degrees
        double momentUt = 0.0;  // the progressed moment, Universal Time Julian day
    };

    static double birthMomentUt(const BirthData& birth);
    static double targetMomentUt(const BirthData& birth, Date target);

    // Nothing when the ephemeris cannot give the Sun, or the progressed houses.
    static std::optional<Moved> of(const Ephemeris& ephemeris, const NatalChart& natal, Date target,
                                   Method method);
};

}  // namespace orvanta
