#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// An edit that holds a whole number, read the way the dialogs have always read them: spaces
// around the number are allowed, a sign may lead, nothing else may follow.
class IntegerField {
  public:
    static constexpr const char* kNotAnIntegerMessage = "Please enter an integer.";

    // Empty when the text is no whole number or does not fit 32 bits.
    static std::optional<int> parse(std::string_view text);

    // "Please enter an integer between 0 and 6."
    static std::string rangeMessage(int lowest, int highest);
};

}  // namespace orvanta
