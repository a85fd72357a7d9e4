#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace orvanta {
class CZodiacDoc;
}

namespace orvanta::cli {

// Opens the chart file a command works on. Everything said on the way (a missing or
// unreadable file with its reason, a damaged or empty one, a missing library file) goes to
// err after "orvanta-cli COMMAND: ", and names the file.
class ChartOpening {
  public:
    // then runs once the chart is open, with the messages still going to err; the answer is
    // whether the chart opened and then (when given) succeeded.
    static bool open(CZodiacDoc& doc, const std::string& path, std::string_view command,
                     std::ostream& err, const std::function<bool()>& then = nullptr);
};

}  // namespace orvanta::cli
