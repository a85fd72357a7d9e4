#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "calc/Ephemeris.h"

namespace orvanta::cli {

// "orvanta-cli return FILE.map --year YYYY [--lunar --month MM] [--place TEXT | --zone H --lat D
// --lon D] [--json] [-o OUT.map]": the solar return of a year, or the lunar return of a month,
// cast for a place, with its exact moment and the local moment on the place's clock.
class ReturnCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
    // With the positions a test gives; the engine's when ephemeris is null.
    static int runOver(const std::vector<std::string>& arguments, const Ephemeris* ephemeris,
                       std::ostream& out, std::ostream& err);
};

}  // namespace orvanta::cli
