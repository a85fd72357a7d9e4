#include "cli/BirthPlaceLookup.h"

#include "birthdata/ClockChangeText.h"
#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "birthdata/WorldAtlas.h"
#include "birthdata/ZoneHistory.h"
#include "cli/ChartCommand.h"
#include "common/AppFolder.h"

namespace orvanta::cli {
namespace {

// The offset of the zone at the local moment; a skipped or doubled reading needs a decision.
double offsetAt(const std::string& zone, const DateTime& local, const CommandLine& line) {
    const std::optional<ZoneHistory::Reading> reading = ZoneHistory::atLocal(zone, local);
    if (!reading) {
        throw UsageError("--place: часового пояса " + zone +
                         " нет в базе поясов системы; укажите --zone");
    }
    switch (reading->kind) {
        case ZoneHistory::Kind::Unique:
            return reading->offsetHours;
        case ZoneHistory::Kind::Skipped:
            throw UsageError(ClockChangeText::skipped(*reading));
        case ZoneHistory::Kind::Repeated:
            if (line.has("--earlier")) return reading->offsetHours;
            if (line.has("--later")) return reading->laterOffsetHours;
            throw UsageError(ClockChangeText::doubled(*reading, local) +
                             " --earlier: " + ClockChangeText::earlierChoice(*reading) +
                             ", --later: " + ClockChangeText::laterChoice(*reading));
    }
    return reading->offsetHours;
}

}  // namespace

std::optional<LookedUpPlace> BirthPlaceLookup::complete(const CommandLine& line,
                                                        ChartOptions& options) {
    const bool explicitZone = line.has("--zone");
    const bool allGiven = explicitZone && line.has("--lat") && line.has("--lon");
    if (allGiven || options.place.empty()) return std::nullopt;
    if (line.has("--earlier") && line.has("--later")) {
        throw UsageError("--earlier и --later исключают друг друга");
    }

    PlaceBase userPlaces;
    userPlaces.load(AppFolder::find(PlaceBase::kFileName));  // none or unreadable: atlas only
    const std::optional<PlaceSuggestion> found =
        PlaceFinder(userPlaces, &WorldAtlas::shared()).resolve(options.place);
    if (!found) {
        throw UsageError("--place: ни место из " + std::string(PlaceBase::kFileName) +
                         ", ни город атласа не подходят к «" + options.place + "»");
    }

    LookedUpPlace place{found->name, found->label, found->latitude, found->longitude, "", 0.0};
    ChartRequest& request = options.request;
    if (!line.has("--lat")) request.latitude = place.latitude;
    if (!line.has("--lon")) request.longitude = place.longitude;
    place.latitude = request.latitude;
    place.longitude = request.longitude;
    if (!explicitZone) {
        if (found->zone.empty()) {
            throw UsageError("--place: «" + found->name +
                             "» не город атласа, его часы неизвестны; укажите --zone");
        }
        // 24:00 is the next day's midnight, which the zone reads as such.
        DateTime local{request.hour, request.minute, request.day, request.month, request.year};
        if (request.hour == 24) {
            const Date next = Calendar::nextDay({request.day, request.month, request.year});
            local = DateTime{0, request.minute, next.day, next.month, next.year};
        }
        place.zone = found->zone;
        place.offsetHours = offsetAt(found->zone, local, line);
        request.timeZone = place.offsetHours;
    }
    options.place = place.name;
    return place;
}

}  // namespace orvanta::cli
