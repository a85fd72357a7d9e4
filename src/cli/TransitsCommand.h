#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Calendar.h"
#include "events/EventChartState.h"

namespace orvanta {
class CZodiacDoc;
}

namespace orvanta::cli {

class CommandLine;

// "orvanta-cli transits": the event chart of a day for a chart file, as the program builds it
// after opening the file with the delivered settings.
class TransitsCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

    // --date, --steps, --moscow, --greenwich and --manual; throws UsageError.
    static EventChartSettings readSettings(const CommandLine& line);

    // Opens the chart file and builds its event chart; false with a message on failure,
    // prefixed with the command's name.
    static bool build(const std::string& path, const EventChartSettings& settings, CZodiacDoc& doc,
                      std::string_view command, std::ostream& err);

    static std::string formatText(const CZodiacDoc& doc);
    static std::string formatJson(const CZodiacDoc& doc);
};

}  // namespace orvanta::cli
