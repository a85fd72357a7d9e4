#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta::cli {

// "orvanta-cli timechange [--file F] DD.MM.YYYY HH": the Moscow-Greenwich difference in force at
// a Moscow date and hour, from "Timechg.tch" of the application folder or the given file.
class TimeChangeCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};

}  // namespace orvanta::cli
