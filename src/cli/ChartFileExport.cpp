#include "cli/ChartFileExport.h"

#include "calc/Calendar.h"
#include "calc/HouseSystems.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"

namespace orvanta::cli {
namespace {

constexpr int kMoscowStandardHours = 3;

}  // namespace

int ChartFileExport::moscowAheadOfGreenwich(const TimeChangeBase& changes, const BirthData& birth) {
    const DateTime ut{birth.gmtHour, birth.gmtMinute, birth.gmtDay, birth.gmtMonth, birth.gmtYear};
    // The base is searched by Moscow time, which depends on the difference sought: start
    // from the standard difference and look again with the one found.
    int ahead = kMoscowStandardHours;
    for (int pass = 0; pass < 2; ++pass) {
        const DateTime moscow = Calendar::hourShift(ahead, ut);
        const auto change =
            changes.lookup(moscow.day, moscow.month, moscow.year, moscow.hour, moscow.minute);
        if (!change) break;
        ahead = change->difference;
    }
    return ahead;
}

BirthData ChartFileExport::birthData(const ChartOptions& options, const TimeChangeBase& changes) {
    const ChartRequest& r = options.request;
    BirthData birth;
    birth.entered = 1;
    birth.day = r.day;
    birth.month = r.month;
    birth.year = r.year;
    birth.hour = r.hour;
    birth.minute = r.minute;
    const DateTime ut =
        Calendar::hourShift(-r.timeZone, {r.hour, r.minute, r.day, r.month, r.year});
    birth.gmtDay = ut.day;
    birth.gmtMonth = ut.month;
    birth.gmtYear = ut.year;
    birth.gmtHour = ut.hour;
    birth.gmtMinute = ut.minute;
    birth.name = options.name;
    birth.place = options.place;
    birth.houseSystemName = std::string(HouseSystems::name(r.houseSystem));
    birth.diffGreenwich = r.timeZone;
    birth.latitude = r.latitude;
    birth.longitude = r.longitude;
    birth.diffMoscow = r.timeZone - moscowAheadOfGreenwich(changes, birth);
    return birth;
}

bool ChartFileExport::save(const ChartOptions& options, const std::string& path, ChartData& chart) {
    TimeChangeBase changes;
    changes.load(AppFolder::find(TimeChangeBase::kFileName));
    const int houseSystem = options.request.houseSystem;
    CZodiacDoc doc;
    if (!doc.newChart(birthData(options, changes), houseSystem, houseSystem == HouseSystems::kNone,
                      false)) {
        return false;
    }
    if (!doc.save(path)) return false;
    chart = doc.natal().chart;
    return true;
}

}  // namespace orvanta::cli
