#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// An edit that holds a whole number, read the way the dialogs have always read them: spaces
// around the number are allowed, a sign may lead, nothing else may follow.
class IntegerField {
  public:
    // Russian, as every message the user reads.
    static constexpr const char* kNotAnIntegerMessage = "Введите целое число.";

    // Empty when the text is no whole number or does not fit 32 bits.
    static std::optional<int> parse(std::string_view text);

    // "Введите целое число от 0 до 6."
    static std::string rangeMessage(int lowest, int highest);
};

}  // namespace orvanta
