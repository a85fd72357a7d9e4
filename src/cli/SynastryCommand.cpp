#include "cli/SynastryCommand.h"

#include <charconv>
#include <ostream>

#include "cli/ChartOpening.h"
#include "cli/CommandLine.h"
#include "cli/JsonWriter.h"
#include "cli/NumberText.h"
#include "cli/TextTable.h"
#include "doc/CZodiacDoc.h"

namespace orvanta::cli {
namespace {

std::string fixed(double value, int decimals, bool sign = false) {
    std::string text = NumberText::fixed(value, decimals);
    if (sign && value >= 0.0) text.insert(0, 1, '+');
    return text;
}

// The angle as the settings hold it: whole angles without decimals.
std::string angleText(double angle) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, angle);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string SynastryCommand::objectName(const ChartData& chart, int object) {
    return Bodies::isBody(object) ? chart.style[object].name
                                  : "Дом " + std::to_string(Bodies::houseOfCusp(object));
}

std::string SynastryCommand::formatTable(const std::vector<InterAspect>& aspects,
                                         const ChartData& first, const ChartData& second,
                                         const NatalAspectTable& table) {
    TextTable text({"№ А", "Объект А", "№ Б", "Объект Б", "Аспект", "Орб"});
    for (const InterAspect& aspect : aspects) {
        text.addRow({std::to_string(aspect.first), objectName(first, aspect.first),
                     std::to_string(aspect.second), objectName(second, aspect.second),
                     angleText(table[static_cast<std::size_t>(aspect.aspect)].angle),
                     fixed(aspect.orb, 4, true)});
    }
    return text.render();
}

std::string SynastryCommand::formatJson(const std::vector<InterAspect>& aspects,
                                        const ChartData& first, const ChartData& second,
                                        const NatalAspectTable& table) {
    JsonWriter json;
    json.beginObject().key("aspects").beginArray();
    for (const InterAspect& aspect : aspects) {
        json.beginObject()
            .key("body_a")
            .value(aspect.first)
            .key("name_a")
            .value(objectName(first, aspect.first))
            .key("body_b")
            .value(aspect.second)
            .key("name_b")
            .value(objectName(second, aspect.second))
            .key("aspect")
            .value(table[static_cast<std::size_t>(aspect.aspect)].angle)
            .key("orb")
            .value(aspect.orb)
            .endObject();
    }
    json.endArray().endObject();
    return json.text() + "\n";
}

int SynastryCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                         std::ostream& err) {
    CommandLine line({}, {"--json"});
    try {
        line.parse(arguments);
        if (line.operands().size() != 2) throw UsageError("укажите два файла карт: A.map B.map");
    } catch (const UsageError& error) {
        err << "orvanta-cli synastry: " << error.what() << "\n";
        return 2;
    }
    CZodiacDoc first;
    CZodiacDoc second;
    if (!ChartOpening::open(first, line.operands()[0], "synastry", err) ||
        !ChartOpening::open(second, line.operands()[1], "synastry", err)) {
        return 1;
    }
    const NatalChart& a = first.natal();
    const NatalChart& b = second.natal();
    const auto aspects = InterAspects::all(a.chart, b.chart, a.aspects);
    if (line.has("--json")) {
        out << formatJson(aspects, a.chart, b.chart, a.aspects);
    } else {
        out << "А: " << a.birth.name << "\nБ: " << b.birth.name << "\n"
            << formatTable(aspects, a.chart, b.chart, a.aspects);
    }
    return 0;
}

}  // namespace orvanta::cli
