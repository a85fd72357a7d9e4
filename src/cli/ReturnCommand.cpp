#include "cli/ReturnCommand.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>

#include "calc/Calendar.h"
#include "cli/ChartCommand.h"
#include "cli/ChartOpening.h"
#include "cli/CommandEphemeris.h"
#include "cli/CommandLine.h"
#include "cli/JsonWriter.h"
#include "cli/PlacesCommand.h"
#include "cli/ReturnPlace.h"
#include "common/MessageSink.h"
#include "doc/CZodiacDoc.h"
#include "doc/ReturnCasting.h"
#include "events/CalendarMoment.h"

namespace orvanta::cli {
namespace {

constexpr const char* kPrefix = "orvanta-cli return: ";

struct Options {
    std::string path;
    int year = 0;
    std::optional<int> month;  // a lunar return
    bool json = false;
    std::string outPath;
};

CommandLine commandLine() {
    auto values = ReturnPlace::valueOptions();
    values.insert({"--year", "--month", "-o"});
    return CommandLine(values, {"--lunar", "--json"});
}

Options readOptions(const CommandLine& line) {
    if (line.operands().size() != 1) throw UsageError("нужен один файл карты");
    Options options;
    options.path = line.operands()[0];
    options.year = CommandLine::toInt("--year", line.required("--year"));
    if (options.year < Calendar::kFirstYear || options.year > Calendar::kLastYear) {
        throw UsageError("--year: " + std::to_string(options.year) + " вне пределов 1860 .. 2130");
    }
    if (line.has("--lunar")) {
        options.month = CommandLine::toInt("--month", line.required("--month"));
        if (*options.month < 1 || *options.month > 12) {
            throw UsageError("--month: " + std::to_string(*options.month) + " не месяц 1 .. 12");
        }
    } else if (line.has("--month")) {
        throw UsageError("--month: только вместе с --lunar");
    }
    options.json = line.has("--json");
    options.outPath = line.value("-o").value_or("");
    if (line.has("-o") && options.outPath.empty()) throw UsageError("-o: пустое имя файла");
    return options;
}

ForecastRequest requestOf(const Options& options, const ReturnPlace& place) {
    ForecastRequest request;
    request.kind =
        options.month ? ForecastRequest::Kind::LunarReturn : ForecastRequest::Kind::SolarReturn;
    request.year = options.year;
    request.month = options.month.value_or(1);
    request.place = {place.name, place.latitude, place.longitude, place.zone};
    return request;
}

std::string localIso(double momentUt, double offset) {
    std::string text = CalendarMoment::isoText(CalendarMoment::toSecond(momentUt, offset));
    text.pop_back();  // the "Z" of Universal Time
    const int minutes = static_cast<int>(std::lround(std::fabs(offset) * 60.0));
    char sign[16];
    std::snprintf(sign, sizeof sign, "%c%02d:%02d", offset < 0.0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text + sign;
}

std::string json(const NatalChart& cast, const ReturnPlace& place, double momentUt, int last) {
    const double offset = place.zone.offsetAt(momentUt);
    JsonWriter json;
    json.beginObject()
        .key("name")
        .value(cast.birth.name)
        .key("moment_ut")
        .value(CalendarMoment::isoText(CalendarMoment::toSecond(momentUt)))
        .key("moment_local")
        .value(localIso(momentUt, offset))
        .key("place")
        .beginObject()
        .key("name")
        .value(place.name)
        .key("latitude")
        .value(place.latitude)
        .key("longitude")
        .value(place.longitude)
        .endObject()
        .key("zone")
        .beginObject()
        .key("name")
        .value(place.zone.name())
        .key("offset_hours")
        .value(offset)
        .endObject();
    ChartCommand::writeObjects(json, cast.chart, last);
    json.endObject();
    return json.text() + "\n";
}

std::string text(const NatalChart& cast, const ReturnPlace& place, double momentUt, int last) {
    const double offset = place.zone.offsetAt(momentUt);
    return "Имя: " + cast.birth.name + "\n" +
           "Момент (UT): " + CalendarMoment::localText(CalendarMoment::toSecond(momentUt)) + "\n" +
           "Местное время: " +
           CalendarMoment::localText(CalendarMoment::toSecond(momentUt, offset)) + " (" +
           place.zone.name() + ")\n" + "Место: " + place.name + ", " +
           PlacesCommand::latitudeText(place.latitude) + ", " +
           PlacesCommand::longitudeText(place.longitude) + "\n" +
           ChartCommand::formatTable(cast.chart, last);
}

}  // namespace

int ReturnCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err) {
    return runOver(arguments, nullptr, out, err);
}

int ReturnCommand::runOver(const std::vector<std::string>& arguments, const Ephemeris* ephemeris,
                           std::ostream& out, std::ostream& err) {
    CommandLine line = commandLine();
    Options options;
    try {
        line.parse(arguments);
        options = readOptions(line);
    } catch (const UsageError& error) {
        err << kPrefix << error.what() << "\n";
        return 2;
    }
    CZodiacDoc doc;
    if (!ChartOpening::open(doc, options.path, "return", err)) return 1;
    const NatalChart& natal = doc.natal();
    std::optional<ReturnPlace> place;
    try {
        place = ReturnPlace::read(line, natal.birth);
    } catch (const UsageError& error) {
        err << kPrefix << error.what() << "\n";
        return 2;
    }
    CommandEphemeris engine;
    ephemeris = engine.orEngine(
        ephemeris, std::string(kPrefix) + "не удалось загрузить библиотеку расчёта", err);
    if (ephemeris == nullptr) return 1;
    const ForecastRequest request = requestOf(options, *place);
    const auto moment = ReturnCasting::moment(*ephemeris, natal, request);
    if (!moment) {
        err << kPrefix << "момент возвращения не найден\n";
        return 1;
    }
    auto previous = MessageSink::install(
        [&err](std::string_view message) { err << kPrefix << message << "\n"; });
    CZodiacDoc cast;
    bool done = ReturnCasting::cast(*ephemeris, natal, request, *moment, cast);
    if (done && !options.outPath.empty()) done = cast.save(options.outPath);
    MessageSink::install(std::move(previous));
    if (!done) return 1;
    const int last = ChartCommand::lastObject(cast.natal());
    out << (options.json ? json(cast.natal(), *place, *moment, last)
                         : text(cast.natal(), *place, *moment, last));
    return 0;
}

}  // namespace orvanta::cli
