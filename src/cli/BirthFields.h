#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::cli {

// What chart's options, dates and batch's records share: one way to read a number and a zone,
// and one way to say why houses cannot be built.
class BirthFields {
  public:
    // Digits with at most a minus before them, nothing else.
    static std::optional<int> wholeNumber(std::string_view text);
    // Exactly `count` whole numbers between separators ("DD.MM.YYYY", "HH:MM").
    static std::optional<std::vector<int>> wholeNumbers(std::string_view text, char separator,
                                                        std::size_t count);
    // A decimal number with at most one sign; a decimal comma is read as a point.
    static std::optional<double> decimal(std::string_view text);
    // The hours the local clock is ahead of Greenwich: a decimal number (5.75) or ±H:MM
    // (+5:45, -3:30, 5:45).
    static std::optional<double> zoneHours(std::string_view text);
    // Why a house system that cannot be built beyond the polar circles is refused.
    static std::string polarRefusal(int houseSystem, double latitude);
};

}  // namespace orvanta::cli
