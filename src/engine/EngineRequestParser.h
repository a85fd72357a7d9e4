#pragma once

#include <optional>
#include <string_view>

#include "engine/EngineRequest.h"

namespace orvanta::engine {

// Reads the twelve request texts; anything malformed or out of range gives no request.
class EngineRequestParser {
  public:
    static constexpr int kArgumentCount = 12;

    static std::optional<EngineRequest> parse(int argc, const char* const* argv);

    static std::optional<int> parseInteger(std::string_view text);
    static std::optional<double> parseDecimal(std::string_view text);
    // "55n45": whole degrees, hemisphere letter, minutes (60 allowed). Signed degrees.
    static std::optional<double> parseCoordinate(std::string_view text, char positive,
                                                 char negative, double limit);
    // "7:05"; returns hour and minute.
    static std::optional<std::pair<int, int>> parseTime(std::string_view text);

  private:
    static bool isValidDay(int day, int month, int year);
};

}  // namespace orvanta::engine
