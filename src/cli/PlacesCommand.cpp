#include "cli/PlacesCommand.h"

#include <ostream>

#include "birthdata/BaseFile.h"
#include "birthdata/CoordinateFields.h"
#include "birthdata/PlaceBase.h"
#include "birthdata/WorldAtlas.h"
#include "cli/CommandLine.h"
#include "cli/JsonWriter.h"
#include "cli/TextTable.h"
#include "common/AppFolder.h"

namespace orvanta::cli {
namespace {

std::string coordinateText(double value, const char* positive, const char* negative) {
    const CoordinateFields fields = CoordinateFields::fromValue(value);
    return std::to_string(fields.degrees) + "°" + (fields.minutes < 10 ? "0" : "") +
           std::to_string(fields.minutes) + "' " + (fields.negative ? negative : positive);
}

// A name of several words may come quoted or as separate arguments.
std::string joinedName(const std::vector<std::string>& operands) {
    std::string name;
    for (const auto& word : operands) name += (name.empty() ? "" : " ") + word;
    return name;
}

// The most cities one search lists.
constexpr std::size_t kLargestWorldList = 50;

std::string worldJson(const std::vector<const AtlasCity*>& cities) {
    JsonWriter json;
    json.beginObject().key("cities").beginArray();
    for (const AtlasCity* city : cities) {
        json.beginObject()
            .key("name")
            .value(city->name)
            .key("region")
            .value(city->region)
            .key("country")
            .value(city->country)
            .key("latitude")
            .value(city->latitude)
            .key("longitude")
            .value(city->longitude)
            .key("zone")
            .value(city->zone)
            .key("population")
            .value(static_cast<double>(city->population))
            .endObject();
    }
    json.endArray().endObject();
    return json.text() + "\n";
}

std::string worldTable(const std::vector<const AtlasCity*>& cities) {
    TextTable table({"Город", "Область", "Страна", "Широта", "Долгота", "Пояс", "Население"});
    for (const AtlasCity* city : cities) {
        table.addRow({city->name, city->region, city->country,
                      PlacesCommand::latitudeText(city->latitude),
                      PlacesCommand::longitudeText(city->longitude), city->zone,
                      std::to_string(city->population)});
    }
    return table.render();
}

}  // namespace

int PlacesCommand::runWorld(const std::string& text, bool json, std::ostream& out) {
    const auto cities = WorldAtlas::shared().search(text, kLargestWorldList);
    if (json) {
        out << worldJson(cities);
    } else if (cities.empty()) {
        out << "В атласе нет города, название которого начинается с \"" << text << "\"\n";
    } else {
        out << worldTable(cities);
    }
    return cities.empty() ? 1 : 0;
}

std::string PlacesCommand::latitudeText(double latitude) {
    return coordinateText(latitude, "С.Ш.", "Ю.Ш.");
}

std::string PlacesCommand::longitudeText(double longitude) {
    return coordinateText(longitude, "В.Д.", "З.Д.");
}

int PlacesCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err) {
    std::filesystem::path file;
    std::string name;
    try {
        CommandLine line({"--file", "--world"}, {"--json"});
        line.parse(arguments);
        name = joinedName(line.operands());
        if (const auto world = line.value("--world")) {
            if (!name.empty()) throw UsageError("лишний аргумент " + line.operands()[0]);
            return runWorld(*world, line.has("--json"), out);
        }
        if (line.has("--json")) throw UsageError("--json бывает только с --world");
        file = line.value("--file").value_or(AppFolder::find(PlaceBase::kFileName).string());
    } catch (const UsageError& error) {
        err << "orvanta-cli places: " << error.what() << "\n";
        return 2;
    }

    PlaceBase base;
    switch (base.load(file)) {
        case LoadStatus::Loaded:
            break;
        case LoadStatus::Missing:
            err << "orvanta-cli places: «" << file.string() << "»: нет такого файла\n";
            return 1;
        default:
            err << "orvanta-cli places: " << BaseFile::withoutKeptNote(base.lastError()) << "\n";
            return 1;
    }

    if (!name.empty()) {
        const auto index = base.find(name);
        if (!index) {
            out << "Место \"" << name << "\" не найдено в базе\n";
            return 1;
        }
        const PlaceRecord& place = base.records()[static_cast<std::size_t>(*index)];
        out << place.name << ": " << latitudeText(place.latitude) << ", "
            << longitudeText(place.longitude) << "\n";
        return 0;
    }
    TextTable table({"Место", "Широта", "Долгота"});
    for (const auto& place : base.records()) {
        table.addRow({place.name, latitudeText(place.latitude), longitudeText(place.longitude)});
    }
    out << table.render();
    return 0;
}

}  // namespace orvanta::cli
