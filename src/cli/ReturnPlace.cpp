#include "cli/ReturnPlace.h"

#include <cmath>

#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "birthdata/WorldAtlas.h"
#include "cli/BirthFields.h"
#include "common/AppFolder.h"
#include "doc/ForecastChoice.h"

namespace orvanta::cli {
namespace {

constexpr double kLargestZone = 14.0;

double ranged(const CommandLine& line, const std::string& option, double limit) {
    const std::string text = line.required(option);
    const double value = CommandLine::toDouble(option, text);
    if (!(std::fabs(value) <= limit)) {
        throw UsageError(option + ": " + text + " вне пределов -" +
                         std::to_string(static_cast<int>(limit)) + " .. " +
                         std::to_string(static_cast<int>(limit)));
    }
    return value;
}

ReturnPlace given(const CommandLine& line) {
    for (const char* option : {"--zone", "--lat", "--lon"}) line.required(option);
    const std::string zoneText = *line.value("--zone");
    const auto hours = BirthFields::zoneHours(zoneText);
    if (!hours || std::fabs(*hours) > kLargestZone) {
        throw UsageError("--zone: «" + zoneText + "» не часы от -14 до 14 (3, 5.75, +5:45)");
    }
    ReturnPlace place;
    place.latitude = ranged(line, "--lat", 90.0);
    place.longitude = ranged(line, "--lon", 180.0);
    place.zone = CalendarZone::fixed(*hours);
    return place;
}

}  // namespace

ReturnPlace ReturnPlace::read(const CommandLine& line, const BirthData& birth) {
    const bool coordinates = line.has("--zone") || line.has("--lat") || line.has("--lon");
    if (coordinates && line.has("--place")) {
        throw UsageError("--place и --zone/--lat/--lon исключают друг друга");
    }
    if (coordinates) return given(line);
    PlaceBase userPlaces;
    userPlaces.load(AppFolder::find(PlaceBase::kFileName));  // none or unreadable: atlas only
    const PlaceFinder finder(userPlaces, &WorldAtlas::shared());
    if (const auto text = line.value("--place")) {
        const auto found = finder.resolve(*text);
        if (!found) throw UsageError("--place: место «" + *text + "» не найдено");
        if (found->zone.empty()) {
            throw UsageError("--place: у места «" + found->name +
                             "» нет часового пояса атласа; укажите --zone, --lat и --lon");
        }
        const auto clock = CalendarZone::named(found->zone);
        if (!clock) {
            throw UsageError("--place: часовой пояс «" + found->zone + "» места «" + found->name +
                             "» не найден в базе поясов");
        }
        return {found->name, found->latitude, found->longitude, *clock};
    }
    const ForecastPlace at = ForecastChoice::birthPlaceOf(birth, finder);
    return {at.name, at.latitude, at.longitude, at.zone};
}

}  // namespace orvanta::cli
