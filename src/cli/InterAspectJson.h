#pragma once

#include <vector>

#include "calc/ChartData.h"
#include "cli/JsonWriter.h"
#include "natal/InterAspects.h"

namespace orvanta::cli {

// The "aspects" member as synastry --json writes it, for commands that show aspects between
// two charts inside a larger answer.
class InterAspectJson {
  public:
    static void write(JsonWriter& json, const std::vector<InterAspect>& aspects,
                      const ChartData& first, const ChartData& second,
                      const NatalAspectTable& table);
};

}  // namespace orvanta::cli
