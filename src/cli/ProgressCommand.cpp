#include "cli/ProgressCommand.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>

#include "calc/Calendar.h"
#include "calc/EngineEphemeris.h"
#include "cli/ChartCommand.h"
#include "cli/ChartOpening.h"
#include "cli/CommandLine.h"
#include "cli/InterAspectJson.h"
#include "cli/JsonWriter.h"
#include "cli/SynastryCommand.h"
#include "doc/CZodiacDoc.h"
#include "doc/ProgressedChart.h"
#include "events/CalendarMoment.h"
#include "natal/InterAspects.h"

namespace orvanta::cli {
namespace {

constexpr const char* kPrefix = "orvanta-cli progress: ";

struct Options {
    std::string path;
    std::string dateText;
    Date date;
    bool solarArc = false;
    bool json = false;
};

Date readDate(const std::string& text) {
    int parts[3] = {};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
        const auto result = std::from_chars(at, end, parts[i]);
        const bool last = i == 2;
        if (result.ec != std::errc() || (last ? result.ptr != end : *result.ptr != '.')) {
            throw UsageError("--date: «" + text + "» не в виде ДД.ММ.ГГГГ");
        }
        at = result.ptr + 1;
    }
    const Date date{parts[0], parts[1], parts[2]};
    if (!Calendar::isValidDate(date)) {
        throw UsageError("--date: " + text + " не дата от 1860 до 2130 года");
    }
    return date;
}

Options readOptions(const std::vector<std::string>& arguments) {
    CommandLine line({"--date"}, {"--solar-arc", "--json"});
    line.parse(arguments);
    if (line.operands().size() != 1) throw UsageError("нужен один файл карты");
    Options options;
    options.path = line.operands()[0];
    options.dateText = line.required("--date");
    options.date = readDate(options.dateText);
    options.solarArc = line.has("--solar-arc");
    options.json = line.has("--json");
    return options;
}

using Moved = ProgressedChart::Moved;

std::string json(const Moved& moved, const NatalChart& natal,
                 const std::vector<InterAspect>& aspects, const Options& options, int last) {
    JsonWriter json;
    json.beginObject();
    if (!options.solarArc) {
        json.key("moment_ut")
            .value(CalendarMoment::isoText(CalendarMoment::toSecond(moved.momentUt)));
    }
    json.key("solar_arc").value(moved.arc);
    ChartCommand::writeObjects(json, moved.chart.chart, last);
    InterAspectJson::write(json, aspects, moved.chart.chart, natal.chart, natal.aspects);
    json.endObject();
    return json.text() + "\n";
}

std::string text(const Moved& moved, const NatalChart& natal,
                 const std::vector<InterAspect>& aspects, const Options& options, int last) {
    std::string text = "Имя: " + natal.birth.name + "\n";
    text += (options.solarArc ? "Дирекции солнечной дугой на " : "Вторичные прогрессии на ") +
            options.dateText + "\n";
    if (!options.solarArc) {
        text +=
            "Момент (UT): " + CalendarMoment::localText(CalendarMoment::toSecond(moved.momentUt)) +
            "\n";
    }
    char arc[32];
    std::snprintf(arc, sizeof arc, "%.6f°", moved.arc);
    text += std::string("Солнечная дуга: ") + arc + "\n";
    text += ChartCommand::formatTable(moved.chart.chart, last);
    text += "Аспекты к натальной карте:\n";
    text += SynastryCommand::formatTable(aspects, moved.chart.chart, natal.chart, natal.aspects);
    return text;
}

}  // namespace

int ProgressCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                         std::ostream& err) {
    return runOver(arguments, nullptr, out, err);
}

int ProgressCommand::runOver(const std::vector<std::string>& arguments, const Ephemeris* ephemeris,
                             std::ostream& out, std::ostream& err) {
    Options options;
    try {
        options = readOptions(arguments);
    } catch (const UsageError& error) {
        err << kPrefix << error.what() << "\n";
        return 2;
    }
    CZodiacDoc doc;
    if (!ChartOpening::open(doc, options.path, "progress", err)) return 1;
    std::unique_ptr<EngineEphemeris> engine;
    if (ephemeris == nullptr) {
        engine = EngineEphemeris::openInApplicationFolder();
        if (!engine) {
            err << kPrefix << "не удалось загрузить библиотеку расчёта\n";
            return 1;
        }
        ephemeris = engine.get();
    }
    const NatalChart& natal = doc.natal();
    const auto method = options.solarArc ? ProgressedChart::Method::SolarArc
                                         : ProgressedChart::Method::Progressions;
    const auto moved = ProgressedChart::of(*ephemeris, natal, options.date, method);
    if (!moved) {
        err << kPrefix << "положения на " << options.dateText << " не вычисляются\n";
        return 1;
    }
    const auto aspects = InterAspects::all(moved->chart.chart, natal.chart, natal.aspects);
    const int last = natal.hasHouses() ? Bodies::kLastCusp : Bodies::kBodyCount;
    out << (options.json ? json(*moved, natal, aspects, options, last)
                         : text(*moved, natal, aspects, options, last));
    return 0;
}

}  // namespace orvanta::cli
