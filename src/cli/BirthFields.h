#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta::cli {

// What chart's options and batch's records share: one way to read a number and a zone, and
// one way to say why houses cannot be built.
class BirthFields {
  public:
    // A decimal number with at most one sign; a decimal comma is read as a point.
    static std::optional<double> decimal(std::string_view text);
    // The hours the local clock is ahead of Greenwich: a decimal number (5.75) or ±H:MM
    // (+5:45, -3:30, 5:45).
    static std::optional<double> zoneHours(std::string_view text);
    // Why a house system that cannot be built beyond the polar circles is refused.
    static std::string polarRefusal(int houseSystem, double latitude);
};

}  // namespace orvanta::cli
