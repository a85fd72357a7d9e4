#include "birthdata/ZoneHistory.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <chrono>

namespace orvanta {
namespace {

constexpr double kSecondsPerHour = 3600.0;

std::optional<cctz::time_zone> loadZone(const std::string& name) {
    cctz::time_zone zone;
    if (name.empty() || !cctz::load_time_zone(name, &zone)) return std::nullopt;
    return zone;
}

cctz::civil_second civil(const DateTime& time) {
    return cctz::civil_second(time.year, time.month, time.day, time.hour, time.minute, 0);
}

DateTime dateTime(const cctz::civil_second& time) {
    return DateTime{time.hour(), time.minute(), time.day(), time.month(),
                    static_cast<int>(time.year())};
}

double offsetHours(const cctz::time_zone& zone, const cctz::time_point<cctz::seconds>& moment) {
    return zone.lookup(moment).offset / kSecondsPerHour;
}

}  // namespace

bool ZoneHistory::known(const std::string& zone) {
    return loadZone(zone).has_value();
}

std::optional<ZoneHistory::Reading> ZoneHistory::atLocal(const std::string& name,
                                                         const DateTime& local) {
    const std::optional<cctz::time_zone> zone = loadZone(name);
    if (!zone) return std::nullopt;
    const cctz::time_zone::civil_lookup lookup = zone->lookup(civil(local));
    Reading reading;
    if (lookup.kind == cctz::time_zone::civil_lookup::UNIQUE) {
        reading.offsetHours = offsetHours(*zone, lookup.pre);
        reading.laterOffsetHours = reading.offsetHours;
        return reading;
    }
    reading.kind =
        lookup.kind == cctz::time_zone::civil_lookup::SKIPPED ? Kind::Skipped : Kind::Repeated;
    const auto lastBefore = lookup.trans - std::chrono::seconds(1);
    reading.offsetHours = offsetHours(*zone, lastBefore);
    reading.laterOffsetHours = offsetHours(*zone, lookup.trans);
    // The clock read `beforeChange` just before the change and `afterChange` right after it;
    // a jump forward skips the readings between them, a jump back repeats them.
    const cctz::civil_second beforeChange = zone->lookup(lastBefore).cs + 1;
    const cctz::civil_second afterChange = zone->lookup(lookup.trans).cs;
    const bool skipped = reading.kind == Kind::Skipped;
    reading.stretchStart = dateTime(skipped ? beforeChange : afterChange);
    reading.stretchEnd = dateTime(skipped ? afterChange : beforeChange);
    return reading;
}

std::optional<double> ZoneHistory::offsetAtUniversal(const std::string& name,
                                                     const DateTime& universal) {
    const std::optional<cctz::time_zone> zone = loadZone(name);
    if (!zone) return std::nullopt;
    const auto moment = cctz::convert(civil(universal), cctz::utc_time_zone());
    return offsetHours(*zone, moment);
}

}  // namespace orvanta
