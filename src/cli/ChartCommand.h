#pragma once

#include <iosfwd>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "calc/ChartData.h"
#include "calc/ChartRequest.h"
#include "cli/BirthPlaceLookup.h"
#include "cli/CommandLine.h"
#include "cli/JsonWriter.h"

namespace orvanta {
struct NatalChart;
}

namespace orvanta::cli {

// Birth data as the chart command takes them from its options.
struct ChartOptions {
    ChartRequest request;
    std::string name;
    std::string place;
    bool json = false;
    // The place --place named, when it gave the coordinates or the zone.
    std::optional<LookedUpPlace> lookedUp;
};

// "orvanta-cli chart": computes a chart with the program's own computation and engine.
class ChartCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

    // The options every command that builds a chart shares.
    static std::set<std::string> valueOptions();
    static std::set<std::string> flagOptions();
    // Throws UsageError with a message that says what is wrong.
    static ChartOptions readOptions(const CommandLine& line);

    static std::string formatTable(const ChartData& chart, int lastObject);
    // With a looked-up place, "place" and "zone" come before the objects.
    static std::string formatJson(const ChartData& chart, int lastObject,
                                  const std::optional<LookedUpPlace>& place = std::nullopt);
    // The "objects" member of the JSON form, objects 1 to lastObject.
    static void writeObjects(JsonWriter& json, const ChartData& chart, int lastObject);
    // The last object a chart's table and JSON show: its last cusp, or without houses its last
    // body.
    static int lastObject(const NatalChart& natal);

  private:
    static void readDate(const std::string& text, ChartRequest& request);
    static void readTime(const std::string& text, ChartRequest& request);
    static double readRanged(const CommandLine& line, const std::string& option, double limit);
    static double readZone(const CommandLine& line);
    static int readHouseSystem(const CommandLine& line);
    static std::string readText(const CommandLine& line, const std::string& option);
};

}  // namespace orvanta::cli
