#include "doc/ReturnChart.h"

#include "birthdata/ZoneHistory.h"
#include "doc/CZodiacDoc.h"
#include "events/CalendarMoment.h"
#include "events/InstantChart.h"

namespace orvanta {
namespace {

// Moscow's lead on Greenwich when the zone database cannot say.
constexpr double kMoscowWithoutHistory = 3.0;

std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string ReturnChart::name(const std::string& natalName, int year, std::optional<int> month) {
    if (!month) return "Соляр " + std::to_string(year) + " — " + natalName;
    return "Лунар " + twoDigits(*month) + "." + std::to_string(year) + " — " + natalName;
}

BirthData ReturnChart::birthData(const NatalChart& natal, const ReturnPlaceAt& place,
                                 double momentUt, const std::string& name) {
    const CalendarMoment::Fields local = CalendarMoment::toMinute(momentUt, place.offsetHours);
    BirthData birth;
    birth.entered = 1;
    birth.day = local.day;
    birth.month = local.month;
    birth.year = local.year;
    birth.hour = local.hour;
    birth.minute = local.minute;
    birth.name = name;
    birth.place = place.name;
    birth.houseSystemName = natal.birth.houseSystemName;
    birth.latitude = place.latitude;
    birth.longitude = place.longitude;
    birth.deriveGreenwich(place.offsetHours);
    const CalendarMoment::Fields ut = CalendarMoment::toMinute(momentUt);
    const auto moscow = ZoneHistory::offsetAtUniversal(
        ZoneHistory::kMoscowZone, {ut.hour, ut.minute, ut.day, ut.month, ut.year});
    birth.diffMoscow = place.offsetHours - moscow.value_or(kMoscowWithoutHistory);
    return birth;
}

bool ReturnChart::cast(const Ephemeris& ephemeris, const NatalChart& natal, const BirthData& birth,
                       double momentUt, CZodiacDoc& out) {
    if (!out.newChart(birth, natal.houseSystem, !natal.hasHouses(), false)) return false;
    NatalChart& cast = out.natal();
    if (!InstantChart::fill(ephemeris, momentUt, birth.latitude, birth.longitude, cast.houseSystem,
                            cast.chart)) {
        return false;
    }
    out.interpretation().markOutOfDate();
    return true;
}

}  // namespace orvanta
