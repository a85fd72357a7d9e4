#include "cli/ChartFileExport.h"

#include "calc/HouseSystems.h"
#include "common/AppFolder.h"
#include "common/MessageSink.h"
#include "doc/CZodiacDoc.h"

namespace orvanta::cli {

BirthData ChartFileExport::birthData(const ChartOptions& options, const TimeChangeBase& changes) {
    const ChartRequest& r = options.request;
    BirthData birth;
    birth.entered = 1;
    birth.day = r.day;
    birth.month = r.month;
    birth.year = r.year;
    birth.hour = r.hour;
    birth.minute = r.minute;
    birth.deriveGreenwich(r.timeZone);
    birth.name = options.name;
    birth.place = options.place;
    birth.houseSystemName = std::string(HouseSystems::name(r.houseSystem));
    birth.latitude = r.latitude;
    birth.longitude = r.longitude;
    std::vector<int> skipped;
    birth.diffMoscow = r.timeZone - changes.moscowAheadOfGreenwich(birth, &skipped);
    if (!skipped.empty()) MessageSink::report(changes.skippedWarning(skipped));
    return birth;
}

bool ChartFileExport::save(const ChartOptions& options, const std::string& path, ChartData& chart) {
    TimeChangeBase changes;
    // Without the file Moscow's standard difference is used, as the desktop program does
    // with an empty base; a damaged file would silently give a wrong difference instead.
    const LoadStatus status = changes.load(AppFolder::find(TimeChangeBase::kFileName));
    if (status == LoadStatus::Damaged || status == LoadStatus::Unreadable) {
        MessageSink::report(changes.lastError());
        return false;
    }
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
