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
    static int planetOf(int number) {
        switch (number) {
            case Bodies::Sun:
                return SE_SUN;
            case Bodies::Moon:
                return SE_MOON;
            case Bodies::Mercury:
                return SE_MERCURY;
            case Bodies::Venus:
                return SE_VENUS;
            case Bodies::Mars:
                return SE_MARS;
            case Bodies::Jupiter:
                return SE_JUPITER;
            case Bodies::Saturn:
                return SE_SATURN;
            case Bodies::Chiron:
                return SE_CHIRON;
            case Bodies::Uranus:
                return SE_URANUS;
            case Bodies::Neptune:
                return SE_NEPTUNE;
            case Bodies::Pluto:
                return SE_PLUTO;
            default:
                return -1;
        }
    }
};

}  // namespace orvanta::testing
