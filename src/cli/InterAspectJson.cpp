#include "cli/InterAspectJson.h"

#include "cli/SynastryCommand.h"

namespace orvanta::cli {

void InterAspectJson::write(JsonWriter& json, const std::vector<InterAspect>& aspects,
                            const ChartData& first, const ChartData& second,
                            const NatalAspectTable& table) {
    json.key("aspects").beginArray();
    for (const InterAspect& aspect : aspects) {
        json.beginObject()
            .key("body_a")
            .value(aspect.first)
            .key("name_a")
            .value(SynastryCommand::objectName(first, aspect.first))
            .key("body_b")
            .value(aspect.second)
            .key("name_b")
            .value(SynastryCommand::objectName(second, aspect.second))
            .key("aspect")
            .value(table[static_cast<std::size_t>(aspect.aspect)].angle)
            .key("orb")
            .value(aspect.orb)
            .endObject();
    }
    json.endArray();
}

}  // namespace orvanta::cli
