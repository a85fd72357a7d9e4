#pragma once

#include <array>
#include <string>

#include "calc/ChartRequest.h"

namespace orvanta {

// The twelve short texts the ephemeris engine takes: switches, house system, date, local time,
// the negated zone and the coordinates in degrees, hemisphere letter and minutes.
class EngineArguments {
  public:
    static constexpr int kCount = 12;
    static constexpr std::size_t kMaxLength = 9;

    // The request must already have its hour 24 rolled over to the next day.
    static std::array<std::string, kCount> build(const ChartRequest& request);

    static std::string houseSystemText(int houseSystem);
    static std::string localTimeText(int hour, int minute);
    // The zone negated, in the general format with 9 significant digits, the point kept.
    static std::string zoneText(double timeZone);
    static std::string coordinateText(double value, char positiveLetter, char negativeLetter);

  private:
    static std::string cut(std::string text);
};

}  // namespace orvanta
