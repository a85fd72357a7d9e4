#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "calc/Ephemeris.h"

namespace orvanta::cli {

// "orvanta-cli progress FILE.map --date DD.MM.YYYY [--solar-arc] [--json]": the chart's
// secondary progressions (or solar arc directions) for a date and their aspects to the natal
// chart, with the natal aspect table's orbs.
class ProgressCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
    // With the positions a test gives; the engine's when ephemeris is null.
    static int runOver(const std::vector<std::string>& arguments, const Ephemeris* ephemeris,
                       std::ostream& out, std::ostream& err);
};

}  // namespace orvanta::cli
