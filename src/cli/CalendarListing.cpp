#include "cli/CalendarListing.h"

#include "cli/JsonWriter.h"
#include "events/CalendarCsv.h"
#include "events/CalendarMoment.h"
#include "events/CalendarWording.h"

namespace orvanta::cli {
namespace {

using Kind = CalendarEvent::Kind;

std::string isoSecond(double julianDay) {
    return CalendarMoment::isoText(CalendarMoment::toSecond(julianDay));
}

std::string isoMinute(double julianDay) {
    return CalendarMoment::isoText(CalendarMoment::toMinute(julianDay));
}

}  // namespace

CalendarListing::CalendarListing(Period period, const CalendarZone& zone,
                                 const std::vector<CalendarEvent>& events)
    : period_(std::move(period)), zone_(zone), events_(events) {}

std::string CalendarListing::local(double julianDay) const {
    return CalendarMoment::localText(
        CalendarMoment::toSecond(julianDay, zone_.offsetAt(julianDay)));
}

std::string CalendarListing::localMinute(double julianDay) const {
    return CalendarMoment::minuteText(
        CalendarMoment::toMinute(julianDay, zone_.offsetAt(julianDay)));
}

std::string CalendarListing::textLine(const CalendarEvent& event) const {
    std::string line = local(event.time) + "  " + CalendarWording::summary(event);
    if (event.kind != Kind::Station && event.retrograde) line += "  R";
    if (event.kind == Kind::Aspect) {
        line += "  " + std::to_string(event.pass) + "/" + std::to_string(event.passes);
        line += "  орбис " + localMinute(event.orbFrom) + " – " + localMinute(event.orbTo);
    }
    return line + "\n";
}

std::string CalendarListing::text() const {
    std::string text = period_.chart + ": транзиты с " + period_.from + " по " + period_.to +
                       ", время " + zone_.name() + "\n";
    for (const CalendarEvent& event : events_) text += textLine(event);
    if (events_.empty()) text += "событий нет\n";
    return text;
}

std::string CalendarListing::json() const {
    JsonWriter json;
    json.beginObject()
        .key("chart")
        .value(period_.chart)
        .key("from")
        .value(period_.from)
        .key("to")
        .value(period_.to)
        .key("zone")
        .value(zone_.name())
        .key("events")
        .beginArray();
    for (const CalendarEvent& event : events_) {
        json.beginObject()
            .key("kind")
            .value(CalendarCsv::kindName(event.kind))
            .key("jd_ut")
            .value(event.time)
            .key("ut")
            .value(isoSecond(event.time))
            .key("local")
            .value(local(event.time))
            .key("body")
            .value(event.body)
            .key("body_name")
            .value(CalendarWording::bodyName(event.body));
        if (event.kind == Kind::Aspect) {
            json.key("aspect").value(event.aspectAngle).key("point").value(event.point);
            json.key("point_name").value(CalendarWording::pointName(event.point));
            json.key("retrograde").value(event.retrograde).key("pass").value(event.pass);
            json.key("passes").value(event.passes).key("orb_from").value(isoMinute(event.orbFrom));
            json.key("orb_to").value(isoMinute(event.orbTo));
        } else if (event.kind == Kind::Ingress) {
            json.key("sign").value(event.sign).key("retrograde").value(event.retrograde);
        } else {
            json.key("station").value(CalendarCsv::stationMark(event));
        }
        json.endObject();
    }
    json.endArray().endObject();
    return json.text() + "\n";
}

std::string CalendarListing::csv() const {
    return CalendarCsv::build(zone_, events_);
}

}  // namespace orvanta::cli
