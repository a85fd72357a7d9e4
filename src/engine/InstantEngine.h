#pragma once

#include "calc/EphemerisContract.h"

namespace orvanta::engine {

// Answers the queries of the second entry: positions and cusps at a Universal Time Julian day,
// in full double precision. The caller holds SwissEphemerisGuard.
class InstantEngine {
  public:
    static int answer(const OrvantaInstantQuery& query, double* answer);

    // Longitude, latitude and speed of body 1 to 16; false when Swiss Ephemeris cannot compute
    // it (an absent file). The day must lie in the contract's span.
    static bool body(int number, double julianDayUt, double* values);

    // Proserpina and Selena move at constant rates from the epochs the chart computation
    // counts its days from, so their positions agree with the charts'.
    static void meanMotionPoint(int number, double julianDayUt, double* values);

  private:
    static bool isServedDay(double julianDayUt);
    static int answerBodies(const OrvantaInstantQuery& query, double* answer);
    static int answerHouses(const OrvantaInstantQuery& query, double* answer);
    static bool swissBody(int swissNumber, double julianDayUt, double* values);
};

}  // namespace orvanta::engine
