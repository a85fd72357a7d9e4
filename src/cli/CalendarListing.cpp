#include "cli/CalendarListing.h"

#include "cli/JsonWriter.h"
#include "events/CalendarMoment.h"
#include "events/CalendarWording.h"

namespace orvanta::cli {
namespace {

using Kind = CalendarEvent::Kind;

const char* kindName(Kind kind) {
    switch (kind) {
        case Kind::Aspect:
            return "aspect";
        case Kind::Ingress:
            return "ingress";
        case Kind::Station:
            return "station";
    }
    return "";
}

std::string isoSecond(double julianDay) {
    return CalendarMoment::isoText(CalendarMoment::toSecond(julianDay));
}

std::string isoMinute(double julianDay) {
    return CalendarMoment::isoText(CalendarMoment::toMinute(julianDay));
}

std::string number(double value) {
    return JsonWriter::number(value);
}

const char* kCsvHeader =
    "kind,ut,local,body,body_name,summary,aspect,point,point_name,retrograde,pass,passes,"
    "orb_from,orb_to,sign,station";

}  // namespace

CalendarListing::CalendarListing(Period period, const CalendarZone& zone,
                                 const std::vector<CalendarEvent>& events)
    : period_(std::move(period)), zone_(zone), events_(events) {}

const char* CalendarListing::stationMark(const CalendarEvent& event) {
    return event.retrograde ? "R" : "D";
}

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
            .value(kindName(event.kind))
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
            json.key("station").value(stationMark(event));
        }
        json.endObject();
    }
    json.endArray().endObject();
    return json.text() + "\n";
}

std::string CalendarListing::csvField(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string CalendarListing::csv() const {
    std::string text = std::string(kCsvHeader) + "\r\n";
    for (const CalendarEvent& event : events_) {
        const bool aspect = event.kind == Kind::Aspect;
        const std::vector<std::string> fields = {
            kindName(event.kind),
            isoSecond(event.time),
            local(event.time),
            std::to_string(event.body),
            CalendarWording::bodyName(event.body),
            CalendarWording::summary(event),
            aspect ? number(event.aspectAngle) : "",
            aspect ? std::to_string(event.point) : "",
            aspect ? CalendarWording::pointName(event.point) : "",
            event.kind == Kind::Station ? "" : (event.retrograde ? "1" : "0"),
            aspect ? std::to_string(event.pass) : "",
            aspect ? std::to_string(event.passes) : "",
            aspect ? isoMinute(event.orbFrom) : "",
            aspect ? isoMinute(event.orbTo) : "",
            event.kind == Kind::Ingress ? std::to_string(event.sign) : "",
            event.kind == Kind::Station ? stationMark(event) : "",
        };
        for (std::size_t i = 0; i < fields.size(); ++i) {
            text += (i == 0 ? "" : ",") + csvField(fields[i]);
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace orvanta::cli
