#pragma once

#include <string>

#include "common/DegreeNotation.h"

namespace orvanta {

// The numbers the aspect table writes: an object's degree in its sign in the right column,
// and the angular separation of a pair below the diagonal.
class AspectTableTexts {
  public:
    // Hundredths of a degree, at least two digits before the point: 5.25 gives "05.25",
    // 0.004 gives "00.00". A value that is not a finite number gives an empty text.
    static std::string degree(double degreeInSign);
    // Whole degrees and minutes, rounded to the nearest minute, two digits each: 22.1 gives
    // "22°06′", 5.999 gives "06°00′". A value that is not a finite number gives an empty text.
    static std::string degreesAndMinutes(double degreeInSign);
    // The degree in sign in the notation chosen.
    static std::string position(double degreeInSign, DegreeNotation notation);

    // The separation of two longitudes measured the short way round, 0 to 180 degrees; NaN
    // when either is not a finite number.
    static double separation(double first, double second);

    // Tenths of a degree without trailing zeros; the point stays: 5.3 gives "5.3", 120.0
    // gives "120.", 0 gives "0.". A value that is not a finite number gives an empty text.
    static std::string separationText(double separation);

  private:
    // |value| rounded half away from zero, with at least minDigits digits.
    static std::string paddedDigits(double value, std::size_t minDigits);
};

}  // namespace orvanta
