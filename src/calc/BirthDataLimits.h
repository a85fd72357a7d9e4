#pragma once

#include "calc/BirthData.h"

namespace orvanta {

// The birth data a chart may hold: what the birth-data entry lets through and what a chart
// file's reader takes back. Both ask here, so that nothing the entry stores is refused on
// reopening. A value outside them throws ValueCheck::Error naming it and its limits.
class BirthDataLimits {
  public:
    // Differences from Greenwich and from Moscow stay within a day either way.
    static constexpr double kLargestDifference = 24.0;

    static void check(const BirthData& birth);

  private:
    static void checkLocalMoment(const BirthData& birth);
    static void checkGreenwichMoment(const BirthData& birth);
};

}  // namespace orvanta
