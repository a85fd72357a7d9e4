#include "doc/ProgressedChart.h"

#include "events/CalendarMoment.h"
#include "events/Progressions.h"

namespace orvanta {

double ProgressedChart::birthMomentUt(const BirthData& birth) {
    return CalendarMoment::julianDay(birth.gmtDay, birth.gmtMonth, birth.gmtYear,
                                     birth.gmtHour + birth.gmtMinute / 60.0);
}

double ProgressedChart::targetMomentUt(const BirthData& birth, Date target) {
    return CalendarMoment::julianDay(target.day, target.month, target.year,
                                     birth.gmtHour + birth.gmtMinute / 60.0);
}

std::optional<ProgressedChart::Moved> ProgressedChart::of(const Ephemeris& ephemeris,
                                                          const NatalChart& natal, Date target,
                                                          Method method) {
    const BirthData& birth = natal.birth;
    const ProgressionBase base{birthMomentUt(birth), birth.latitude, birth.longitude,
                               natal.hasHouses() ? natal.houseSystem : HouseSystems::kNone};
    const double targetUt = targetMomentUt(birth, target);
    Moved moved{natal, 0.0, Progressions::progressedMoment(base.birthUt, targetUt)};
    const auto arc = Progressions::solarArc(ephemeris, base.birthUt, moved.momentUt);
    if (!arc) return std::nullopt;
    moved.arc = *arc;
    if (method == Method::SolarArc) {
        Progressions::direct(moved.chart.chart, moved.arc);
    } else if (!Progressions::progress(ephemeris, base, targetUt, moved.chart.chart)) {
        return std::nullopt;
    }
    return moved;
}

}  // namespace orvanta
