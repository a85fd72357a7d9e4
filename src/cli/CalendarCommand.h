#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "calc/Calendar.h"
#include "calc/Ephemeris.h"
#include "events/CalendarRequest.h"
#include "events/CalendarZone.h"

namespace orvanta {
class CZodiacDoc;
}

namespace orvanta::cli {

class CommandLine;

// "orvanta-cli calendar": the transit calendar of a chart file over a period, as readable
// lines, JSON, CSV or an iCalendar file.
class CalendarCommand {
  public:
    enum class Format { Text, Json, Csv, Ics };

    // What the command line asks for; lists left out are decided by the chart's settings.
    struct Options {
        std::string path;
        Date from;
        Date to;
        std::string fromText;
        std::string toText;
        std::optional<std::vector<int>> bodies;
        std::optional<std::vector<double>> aspects;
        std::optional<std::vector<int>> points;
        bool moon = false;
        std::optional<double> zoneHours;
        std::string place;
        Format format = Format::Text;
        std::string icsPath;
    };

    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
    // Runs with positions the caller brings (tests bring their own sky).
    static int runOver(const std::vector<std::string>& arguments, const Ephemeris* ephemeris,
                       std::ostream& out, std::ostream& err);

    // Throws UsageError for anything malformed or out of range.
    static Options readOptions(const std::vector<std::string>& arguments);
    // The bodies, points and aspects of a chart; throws UsageError for a point or an aspect
    // the chart has not.
    static CalendarRequest requestFor(const Options& options, const CZodiacDoc& doc,
                                      const CalendarZone& zone);
    static CalendarZone zoneFor(const Options& options);
};

}  // namespace orvanta::cli
