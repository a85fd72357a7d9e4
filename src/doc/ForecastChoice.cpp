#include "doc/ForecastChoice.h"

#include <cstdio>

#include "birthdata/PlaceFinder.h"

namespace orvanta {
namespace {

constexpr int kMonthsPerYear = 12;

std::string dateText(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    return text;
}

}  // namespace

ForecastChoice::ForecastChoice(const BirthData& birth, Date today)
    : target(today),
      solarYear(today.year),
      lunarYear(today.year),
      lunarMonth(today.month),
      birth_(birth) {
    // The solar year running today began on the last birthday.
    if (Calendar::isBefore(today, {birth.day, birth.month, today.year})) --solarYear;
}

const std::vector<std::pair<ForecastChoice::Kind, std::string>>& ForecastChoice::kinds() {
    static const std::vector<std::pair<Kind, std::string>> names = {
        {Kind::Progressions, "Вторичные прогрессии"},
        {Kind::SolarArc, "Дирекции солнечной дугой"},
        {Kind::SolarReturn, "Соляр"},
        {Kind::LunarReturn, "Лунар"},
    };
    return names;
}

std::string ForecastChoice::problem() const {
    const Date born{birth_.day, birth_.month, birth_.year};
    if (takesDate()) {
        if (!Calendar::isValidDate(target))
            return "Такой даты нет: нужна дата от 1860 до 2130 года.";
        if (Calendar::isBefore(target, born))
            return "Дата раньше даты рождения " + dateText(born) + ".";
        return {};
    }
    const int year = this->year();
    if (year < Calendar::kFirstYear || year > Calendar::kLastYear)
        return "Год должен быть от 1860 до 2130.";
    if (!takesMonth()) {
        if (year <= born.year)
            return "Соляр строится для лет после рождения, с " + std::to_string(born.year + 1) +
                   " года.";
        return {};
    }
    if (lunarMonth < 1 || lunarMonth > kMonthsPerYear) return "Месяц должен быть от 1 до 12.";
    if (year * kMonthsPerYear + lunarMonth <= born.year * kMonthsPerYear + born.month)
        return "Лунар строится для месяцев после месяца рождения.";
    return {};
}

std::optional<ForecastPlace> ForecastChoice::placeOf(const PlaceFinder& places,
                                                     std::string& reason) const {
    if (placeKind == PlaceKind::Birth) {
        ForecastPlace at{birth_.place, birth_.latitude, birth_.longitude,
                         CalendarZone::fixed(birth_.diffGreenwich)};
        const std::string zone = places.zoneOf(birth_.place, birth_.latitude, birth_.longitude);
        if (const auto clock = zone.empty() ? std::nullopt : CalendarZone::named(zone))
            at.zone = *clock;
        return at;
    }
    const auto found = places.resolve(place);
    if (place.empty() || !found) {
        reason = "Место «" + place + "» не найдено ни в базе мест, ни в атласе.";
        return std::nullopt;
    }
    if (found->zone.empty()) {
        reason = "Для места «" + found->name + "» неизвестен часовой пояс: это не город атласа.";
        return std::nullopt;
    }
    const auto clock = CalendarZone::named(found->zone);
    if (!clock) {
        reason = "Часового пояса " + found->zone + " нет в базе часовых поясов системы.";
        return std::nullopt;
    }
    return ForecastPlace{found->name, found->latitude, found->longitude, *clock};
}

ForecastRequest ForecastChoice::request(ForecastPlace at) const {
    ForecastRequest request;
    request.kind = kind;
    request.target = target;
    request.year = year();
    request.month = lunarMonth;
    request.place = std::move(at);
    return request;
}

}  // namespace orvanta
