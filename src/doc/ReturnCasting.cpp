#include "doc/ReturnCasting.h"

#include "doc/CZodiacDoc.h"
#include "doc/ReturnChart.h"
#include "events/ReturnSearch.h"

namespace orvanta {

std::string ReturnCasting::name(const NatalChart& natal, const ForecastRequest& request) {
    const bool lunar = request.kind == ForecastRequest::Kind::LunarReturn;
    return ReturnChart::name(natal.birth.name, request.year,
                             lunar ? std::optional(request.month) : std::nullopt);
}

std::optional<double> ReturnCasting::moment(const Ephemeris& ephemeris, const NatalChart& natal,
                                            const ForecastRequest& request) {
    if (request.kind == ForecastRequest::Kind::SolarReturn) {
        return ReturnSearch::solar(ephemeris, natal.chart[Bodies::Sun].longitude, natal.birth.day,
                                   natal.birth.month, request.year);
    }
    const double monthStart = request.place.zone.startOfDay(1, request.month, request.year);
    return ReturnSearch::lunar(ephemeris, natal.chart[Bodies::Moon].longitude, monthStart);
}

bool ReturnCasting::cast(const Ephemeris& ephemeris, const NatalChart& natal,
                         const ForecastRequest& request, double momentUt, CZodiacDoc& out) {
    const ForecastPlace& place = request.place;
    const ReturnPlaceAt at{place.name, place.latitude, place.longitude,
                           place.zone.offsetAt(momentUt)};
    const BirthData birth = ReturnChart::birthData(natal, at, momentUt, name(natal, request));
    return ReturnChart::cast(ephemeris, natal, birth, momentUt, out);
}

}  // namespace orvanta
