#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "calc/ChartData.h"
#include "natal/InterAspects.h"

namespace orvanta::cli {

// "orvanta-cli synastry A.map B.map [--json]": the aspects between two charts, with the first
// chart's natal aspect settings, in the natal aspect table's order.
class SynastryCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

    static std::string formatTable(const std::vector<InterAspect>& aspects, const ChartData& first,
                                   const ChartData& second, const NatalAspectTable& table);
    // {"aspects": [{"body_a", "name_a", "body_b", "name_b", "aspect", "orb"}]}; "aspect" is the
    // exact angle, "orb" the separation less that angle, in degrees.
    static std::string formatJson(const std::vector<InterAspect>& aspects, const ChartData& first,
                                  const ChartData& second, const NatalAspectTable& table);

    // A body's stored name, or "Дом N" for a cusp, as the chart command names objects.
    static std::string objectName(const ChartData& chart, int object);
};

}  // namespace orvanta::cli
