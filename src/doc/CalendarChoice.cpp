#include "doc/CalendarChoice.h"

#include <algorithm>
#include <cmath>

#include "birthdata/PlaceFinder.h"
#include "calc/Bodies.h"
#include "doc/CZodiacDoc.h"
#include "events/CalendarMoment.h"
#include "events/CalendarWording.h"

namespace orvanta {
namespace {

template <class List, class Number>
bool holds(const List& list, Number number) {
    return std::find(list.begin(), list.end(), number) != list.end();
}

Date yearOn(Date date) {
    Date later{date.day, date.month, date.year + 1};
    return Calendar::isValidDate(later) ? later : Date{28, 2, later.year};  // from 29 February
}

double startOf(const Date& date) {
    return CalendarMoment::julianDay(date.day, date.month, date.year, 0.0);
}

}  // namespace

CalendarChoice::CalendarChoice(const CZodiacDoc& doc, Date today) : from(today), to(yearOn(today)) {
    const auto used = CalendarRequest::bodiesOf(doc.eventChart().bodies(), false);
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        if (body == Bodies::Moon) continue;
        bodies.push_back({body, CalendarWording::bodyName(body), holds(used, body)});
    }
    const ChartData& natal = doc.natal().chart;
    std::vector<int> all;
    for (int point = 1; point <= CalendarRequest::lastPoint(natal); ++point) all.push_back(point);
    std::vector<int> chosen;
    for (const auto& point : CalendarRequest::pointsOf(natal)) chosen.push_back(point.number);
    // A point without a longitude (a cusp the chart could not compute) is not offered.
    for (const int point : all) {
        if (const auto one = CalendarRequest::pointsOf(natal, {point})) {
            natalPoints_.push_back(one->front());
            points.push_back({point, CalendarWording::pointName(point), holds(chosen, point)});
        }
    }
    const auto included = CalendarRequest::aspectsOf(doc.eventChart().aspects());
    for (const AspectSetting& setting : doc.eventChart().aspects()) {
        const bool known = std::any_of(aspects.begin(), aspects.end(), [&](const AspectItem& a) {
            return a.aspect.angle == setting.angle;
        });
        if (known || setting.orb <= 0.0) continue;
        const bool on = std::any_of(included.begin(), included.end(),
                                    [&](const auto& a) { return a.angle == setting.angle; });
        aspects.push_back(
            {{setting.angle, setting.orb}, CalendarWording::aspectSymbol(setting.angle), on});
    }
}

std::string CalendarChoice::problem() const {
    if (!Calendar::isValidDate(from) || !Calendar::isValidDate(to)) {
        return "Даты должны лежать между 1.1.1860 и 31.12.2130.";
    }
    if (Calendar::isBefore(to, from)) return "Конец периода раньше его начала.";
    const Date limit{from.day, from.month, from.year + kLongestPeriodYears};
    if (startOf(Calendar::nextDay(to)) > startOf(limit)) return "Период длиннее 200 лет.";
    const auto isOn = [](const auto& item) { return item.on; };
    if (!moon && std::none_of(bodies.begin(), bodies.end(), isOn)) {
        return "Не выбрано ни одной транзитной планеты.";
    }
    if (std::none_of(points.begin(), points.end(), isOn)) return "Не выбрано ни одной точки карты.";
    if (std::none_of(aspects.begin(), aspects.end(), isOn)) return "Не выбрано ни одного аспекта.";
    if (zoneKind == ZoneKind::Place && place.empty()) return "Не указано место для времени.";
    if (zoneKind == ZoneKind::Fixed && !(std::fabs(zoneHours) <= kLargestZoneHours)) {
        return "Разница с Гринвичем должна быть от -14 до 14 часов.";
    }
    return {};
}

std::optional<CalendarZone> CalendarChoice::zone(const PlaceFinder& places,
                                                 std::string& reason) const {
    if (zoneKind == ZoneKind::Computer) return CalendarZone::computer();
    if (zoneKind == ZoneKind::Fixed) return CalendarZone::fixed(zoneHours);
    const auto found = places.resolve(place);
    if (!found) {
        reason = "Место «" + place + "» не найдено ни в базе мест, ни в атласе.";
        return std::nullopt;
    }
    if (found->zone.empty()) {
        reason = "Для места «" + found->name + "» неизвестен часовой пояс: это не город атласа.";
        return std::nullopt;
    }
    auto zone = CalendarZone::named(found->zone);
    if (!zone) reason = "Часового пояса " + found->zone + " нет в базе часовых поясов системы.";
    return zone;
}

CalendarRequest CalendarChoice::request(const CalendarZone& zone) const {
    CalendarRequest request;
    request.from = zone.startOfDay(from.day, from.month, from.year);
    const Date after = Calendar::nextDay(to);
    request.to = zone.startOfDay(after.day, after.month, after.year);
    for (const Item& body : bodies) {
        if (body.on) request.bodies.push_back(body.number);
    }
    if (moon) request.bodies.push_back(Bodies::Moon);
    std::sort(request.bodies.begin(), request.bodies.end());
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].on) request.points.push_back(natalPoints_[i]);
    }
    for (const AspectItem& item : aspects) {
        if (item.on) request.aspects.push_back(item.aspect);
    }
    return request;
}

}  // namespace orvanta
