#pragma once

#include <string>

#include "calc/BirthData.h"
#include "calc/ChartData.h"

namespace orvanta {

class ChartComputation;

// The composite chart of two charts: every body at the nearer midpoint of its two positions;
// the Midheaven at the midpoint of the two Midheavens and the other cusps derived from it, in
// the first chart's house system, at the Davison place (the midpoint latitude). A composite
// has no birth moment; its birth data carry the Davison moment and place only to say where
// its houses were derived, under a name that begins "Композит: ".
class CompositeChart {
  public:
    static constexpr const char* kNamePrefix = "Композит: ";
    static constexpr const char* kNoMomentMessage =
        "У композитной карты нет момента рождения: шаг к ней не применяется.";

    // The nearer of the two midpoints, 0 <= result < 360: 350 and 10 give 0, not 180. Two
    // exactly opposite points give the midpoint that follows the first in zodiac order.
    static double midpoint(double first, double second);

    // Whether birth data are those of a composite chart (by the name it was saved under).
    static bool isComposite(const BirthData& birth);

    // The Davison moment and place under the composite's name.
    static BirthData birthData(const BirthData& first, const BirthData& second);

    // Puts the composite positions into output, whose display settings stay. The bodies are
    // not retrograde: a midpoint has no motion of its own. Houses only when both charts have
    // them; the cusps come from the engine at the moment of the Davison day when the
    // Midheaven at the midpoint place stands at the composite Midheaven. False, with the
    // failure reported, when the engine cannot give them.
    static bool compute(const ChartData& first, const ChartData& second, const BirthData& place,
                        int houseSystem, ChartComputation& computation, ChartData& output);

  private:
    static bool deriveCusps(double midheaven, const BirthData& place, int houseSystem,
                            ChartComputation& computation, ChartData& output);
};

}  // namespace orvanta
