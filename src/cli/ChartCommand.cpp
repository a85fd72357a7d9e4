#include "cli/ChartCommand.h"

#include <cmath>
#include <ostream>

#include "birthdata/ClockChangeText.h"
#include "calc/Calendar.h"
#include "calc/ChartComputation.h"
#include "calc/HouseSystems.h"
#include "cli/BirthFields.h"
#include "cli/ChartFileExport.h"
#include "cli/DateText.h"
#include "cli/JsonWriter.h"
#include "cli/LowerLayerMessage.h"
#include "cli/NumberText.h"
#include "cli/PlacesCommand.h"
#include "cli/TextTable.h"
#include "common/MessageSink.h"
#include "common/Windows1251.h"
#include "natal/NatalChart.h"

namespace orvanta::cli {
namespace {

constexpr double kLargestZone = 14.0;

std::vector<int> splitNumbers(const std::string& text, char separator, const std::string& what) {
    std::vector<int> numbers;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        const std::string part = text.substr(start, end == std::string::npos ? end : end - start);
        numbers.push_back(CommandLine::toInt(what, part));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return numbers;
}

// Through the message handler in force, as the chart file's saving reports.
bool computeOrReport(ChartComputation& computation, const ChartRequest& request, ChartData& chart) {
    const auto computed = computation.compute(request, chart);
    if (!computed) MessageSink::report(computed.message);
    return computed.computed;
}

}  // namespace

std::set<std::string> ChartCommand::valueOptions() {
    return {"--date", "--time", "--zone", "--lat", "--lon", "--houses", "--name", "--place"};
}

std::set<std::string> ChartCommand::flagOptions() {
    return {"--json", "--earlier", "--later"};
}

void ChartCommand::readDate(const std::string& text, ChartRequest& request) {
    const Date date = DateText::readOption("--date", text);
    request.day = date.day;
    request.month = date.month;
    request.year = date.year;
}

void ChartCommand::readTime(const std::string& text, ChartRequest& request) {
    const auto parts = splitNumbers(text, ':', "--time");
    if (parts.size() != 2) throw UsageError("--time: «" + text + "» не в виде ЧЧ:ММ");
    const bool nextMidnight = parts[0] == 24 && parts[1] == 0;
    if (!Calendar::isValidTime(parts[0], parts[1]) && !nextMidnight) {
        throw UsageError("--time: " + text + " не время суток");
    }
    request.hour = parts[0];
    request.minute = parts[1];
}

double ChartCommand::readRanged(const CommandLine& line, const std::string& option, double limit) {
    const std::string text = line.required(option);
    const double value = CommandLine::toDouble(option, text);
    if (std::fabs(value) > limit) {
        throw UsageError(option + ": " + text + " вне пределов -" + NumberText::fixed(limit, 0) +
                         " .. " + NumberText::fixed(limit, 0));
    }
    return value;
}

double ChartCommand::readZone(const CommandLine& line) {
    // The same syntax as a batch record's zone: hours, or ±H:MM.
    const std::string text = line.required("--zone");
    const auto hours = BirthFields::zoneHours(text);
    if (!hours) throw UsageError("--zone: «" + text + "» не часы (3, 5.75) и не ±Ч:ММ (+5:45)");
    if (std::fabs(*hours) > kLargestZone) {
        throw UsageError("--zone: " + text + " вне пределов -" +
                         NumberText::fixed(kLargestZone, 0) + " .. " +
                         NumberText::fixed(kLargestZone, 0));
    }
    return *hours;
}

int ChartCommand::readHouseSystem(const CommandLine& line) {
    const std::string name = line.value("--houses").value_or("Placidus");
    if (name == "none") return HouseSystems::kNone;
    if (const auto index = HouseSystems::indexOf(name)) return *index;
    std::string known;
    for (int i = 0; i < HouseSystems::kCount; ++i)
        known += " " + std::string(HouseSystems::name(i));
    throw UsageError("--houses: неизвестная система домов «" + name + "»; возможны:" + known +
                     " none");
}

std::string ChartCommand::readText(const CommandLine& line, const std::string& option) {
    const std::string text = line.value(option).value_or("");
    const std::string bad = Windows1251::firstUnencodable(text);
    if (!bad.empty()) {
        throw UsageError(option + ": символ «" + bad +
                         "» нельзя сохранить в файле карты (Windows-1251)");
    }
    return text;
}

ChartOptions ChartCommand::readOptions(const CommandLine& line) {
    ChartOptions options;
    readDate(line.required("--date"), options.request);
    readTime(line.required("--time"), options.request);
    options.request.houseSystem = readHouseSystem(line);
    options.name = readText(line, "--name");
    options.place = readText(line, "--place");
    options.json = line.has("--json");
    const auto readGiven = [&line](const std::string& option, double limit, double& target) {
        if (line.has(option)) target = readRanged(line, option, limit);
    };
    if (line.has("--zone")) options.request.timeZone = readZone(line);
    readGiven("--lat", 90.0, options.request.latitude);
    readGiven("--lon", 180.0, options.request.longitude);
    // What is not given comes from the place, if it names one; otherwise it is required.
    options.lookedUp = BirthPlaceLookup::complete(line, options);
    if (!options.lookedUp) {
        for (const char* option : {"--zone", "--lat", "--lon"}) line.required(option);
    }
    // The birth-data entry's rule, once the latitude is known: these systems cannot be built
    // beyond the polar circles.
    if (HouseSystems::unfitAt(options.request.houseSystem, options.request.latitude)) {
        throw UsageError("--lat: " + BirthFields::polarRefusal(options.request.houseSystem,
                                                               options.request.latitude));
    }
    return options;
}

std::string ChartCommand::formatTable(const ChartData& chart, int lastObject) {
    TextTable table({"№", "Объект", "Долгота", "Знак", "Градус", "Мин.", "Сек.", "R"});
    for (int number = 1; number <= lastObject; ++number) {
        const ObjectPosition& object = chart[number];
        const std::string name = Bodies::isBody(number)
                                     ? chart.style[number].name
                                     : "Дом " + std::to_string(Bodies::houseOfCusp(number));
        table.addRow({std::to_string(number), name, NumberText::fixed(object.longitude, 6),
                      std::to_string(object.sign), NumberText::fixed(object.degreeInSign, 6),
                      NumberText::fixed(object.minutes, 4), NumberText::fixed(object.seconds, 2),
                      std::to_string(object.retrograde)});
    }
    return table.render();
}

int ChartCommand::lastObject(const NatalChart& natal) {
    return natal.hasHouses() ? Bodies::kLastCusp : Bodies::kBodyCount;
}

void ChartCommand::writeObjects(JsonWriter& json, const ChartData& chart, int lastObject) {
    json.key("objects").beginArray();
    for (int number = 1; number <= lastObject; ++number) {
        const ObjectPosition& object = chart[number];
        const std::string name = Bodies::isBody(number)
                                     ? chart.style[number].name
                                     : "Дом " + std::to_string(Bodies::houseOfCusp(number));
        json.beginObject()
            .key("number")
            .value(number)
            .key("name")
            .value(name)
            .key("longitude")
            .value(object.longitude)
            .key("sign")
            .value(static_cast<int>(object.sign))
            .key("degree")
            .value(object.degreeInSign)
            .key("minutes")
            .value(object.minutes)
            .key("seconds")
            .value(object.seconds)
            .key("retrograde")
            .value(static_cast<int>(object.retrograde))
            .endObject();
    }
    json.endArray();
}

std::string ChartCommand::formatJson(const ChartData& chart, int lastObject,
                                     const std::optional<LookedUpPlace>& place) {
    JsonWriter json;
    json.beginObject();
    if (place) {
        json.key("place")
            .beginObject()
            .key("name")
            .value(place->name)
            .key("latitude")
            .value(place->latitude)
            .key("longitude")
            .value(place->longitude)
            .endObject();
        if (!place->zone.empty()) {
            json.key("zone")
                .beginObject()
                .key("name")
                .value(place->zone)
                .key("offset_hours")
                .value(place->offsetHours)
                .endObject();
        }
    }
    writeObjects(json, chart, lastObject);
    json.endObject();
    return json.text() + "\n";
}

int ChartCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    ChartOptions options;
    std::string mapFile;
    try {
        auto values = valueOptions();
        values.insert("-o");
        CommandLine line(values, flagOptions());
        line.parse(arguments);
        if (!line.operands().empty()) throw UsageError("лишний аргумент " + line.operands()[0]);
        options = readOptions(line);
        mapFile = line.value("-o").value_or("");
        if (line.has("-o") && mapFile.empty()) throw UsageError("-o: пустое имя файла");
    } catch (const UsageError& error) {
        err << "orvanta-cli chart: " << error.what() << "\n";
        return 2;
    }

    auto previous = MessageSink::install([&err](std::string_view text) {
        err << "orvanta-cli chart: " << LowerLayerMessage::forCommandLine(text) << "\n";
    });
    ChartData chart;
    chart.housesUnavailable = options.request.houseSystem == HouseSystems::kNone ? 1 : 0;
    auto& computation = ChartComputation::shared();
    const bool computed = mapFile.empty() ? computeOrReport(computation, options.request, chart)
                                          : ChartFileExport::save(options, mapFile, chart);
    MessageSink::install(std::move(previous));
    if (!computed) return 1;
    if ((computation.lastEngineStatus() & EngineLoader::kStatusBodyMissing) != 0) {
        err << "orvanta-cli chart: внимание: библиотека расчёта вычислила не все тела (для Хирона "
               "нужен seas_18.se1 в папке программы); такое тело показано в 0°\n";
    }

    const int last = chart.housesUnavailable ? Bodies::kBodyCount : Bodies::kLastCusp;
    if (options.json) {
        out << formatJson(chart, last, options.lookedUp);
    } else {
        if (!options.name.empty()) out << "Имя: " << options.name << "\n";
        if (const auto& place = options.lookedUp) {
            out << "Место: " << place->label << ", " << PlacesCommand::latitudeText(place->latitude)
                << ", " << PlacesCommand::longitudeText(place->longitude) << "\n";
            if (!place->zone.empty()) {
                out << "Пояс: " << place->zone << ", "
                    << ClockChangeText::utcOffset(place->offsetHours) << "\n";
            }
        } else if (!options.place.empty()) {
            out << "Место: " << options.place << "\n";
        }
        out << formatTable(chart, last);
    }
    return 0;
}

}  // namespace orvanta::cli
