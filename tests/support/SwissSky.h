#pragma once

#include <swephexp.h>

#include <optional>

#include "calc/Bodies.h"
#include "calc/Ephemeris.h"

namespace orvanta::testing {

// Positions straight from Swiss Ephemeris, apart from the program's own engine: the classical
// bodies and Chiron, geocentric, apparent, tropical.
class SwissSky : public Ephemeris {
  public:
    SwissSky() {
        static char folder[] = ORVANTA_EPHEMERIS_DIR;
        swe_set_ephe_path(folder);
    }

    static double julianDay(int day, int month, int year, double hours = 0.0) {
        return swe_julday(year, month, day, hours, SE_GREG_CAL);
    }

    std::optional<BodyPosition> body(int number, double time) const override {
        const int planet = planetOf(number);
        if (planet < 0) return std::nullopt;
        double result[6] = {};
        char error[AS_MAXCH] = {};
        if (swe_calc_ut(time, planet, SEFLG_SWIEPH | SEFLG_SPEED, result, error) < 0) {
            return std::nullopt;
        }
        return BodyPosition{result[0], result[1], result[3]};
    }

    std::optional<HouseCusps> houses(double, double, double, int) const override {
        return std::nullopt;
    }

  private:
    // Bodies 1 to 11 in Bodies numbering (Chiron is 8); the points beyond are not served.
    static int planetOf(int number) {
        constexpr int kPlanets[] = {-1,        SE_SUN,    SE_MOON,    SE_MERCURY,
                                    SE_VENUS,  SE_MARS,   SE_JUPITER, SE_SATURN,
                                    SE_CHIRON, SE_URANUS, SE_NEPTUNE, SE_PLUTO};
        return number >= 1 && number <= Bodies::Pluto ? kPlanets[number] : -1;
    }
};

}  // namespace orvanta::testing
