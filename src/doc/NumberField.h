#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// An edit that holds a decimal number, read the way the settings pages have always read them:
// spaces around the number are allowed, nothing else may follow it.
class NumberField {
  public:
    // Russian, as every message the user reads.
    static constexpr const char* kNotANumberMessage = "Введите число.";

    // Empty when the text is no finite number. A decimal comma is taken as a point, since a
    // Russian keyboard offers it first.
    static std::optional<double> parse(std::string_view text);

    // "Введите число от 0 до 180."
    static std::string rangeMessage(double lowest, double highest);

    // The shortest text that reads back as the same number ("120", "2.5").
    static std::string format(double value);
};

}  // namespace orvanta
