#pragma once

#include <string>

namespace orvanta::cli {

// Numbers as the tool prints them: the same digits whatever the locale.
class NumberText {
  public:
    // The value with exactly `decimals` digits after the point ("22.098680").
    static std::string fixed(double value, int decimals);
};

}  // namespace orvanta::cli
