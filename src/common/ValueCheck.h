#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/FormatError.h"

namespace orvanta {

// Checks of the values a reader takes from a file against what the program itself could have
// written there. A file whose structure is intact may still hold a month of 32768 or a NaN;
// each check throws ValueCheck::Error worded for the user, naming the value and its limits.
class ValueCheck {
  public:
    class Error : public FormatError {
      public:
        using FormatError::FormatError;
    };

    static void inRange(std::string_view what, std::int32_t value, std::int32_t low,
                        std::int32_t high);
    // 0 or 1.
    static void flag(std::string_view what, std::int32_t value);
    // A finite value within low .. high inclusive.
    static void inRange(std::string_view what, double value, double low, double high);
    static void finite(std::string_view what, double value);

    // The number as a reader would quote it: up to 15 significant digits, "nan", "inf".
    static std::string quote(double value);
};

}  // namespace orvanta
