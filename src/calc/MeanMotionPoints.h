#pragma once

#include "calc/Calendar.h"
#include "calc/ObjectPosition.h"

namespace orvanta {

// Proserpina and Selena, which the program computes itself from their mean daily motions.
class MeanMotionPoints {
  public:
    // Degrees, not yet reduced into the zodiac, for a moment in Universal Time.
    static double proserpina(const DateTime& ut);
    static double selena(const DateTime& ut);

    // Days since 20 February 1918 00:00 UT and since 1 January 1900 00:00 UT.
    static double proserpinaDayCount(const DateTime& ut);
    static double selenaDayCount(const DateTime& ut);

    // Reduces a point into sign and degree in sign; exactly 30 stays in the lower sign.
    static void place(double degrees, ObjectPosition& object);

  private:
    static double daysOfMonths(int firstMonth, int lastMonth);
};

}  // namespace orvanta
