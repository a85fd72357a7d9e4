#include "events/CalendarCsv.h"

#include <array>
#include <charconv>
#include <cmath>

#include "events/CalendarMoment.h"
#include "events/CalendarWording.h"

namespace orvanta {
namespace {

using Kind = CalendarEvent::Kind;

const char* kHeader =
    "kind,ut,local,body,body_name,summary,aspect,point,point_name,retrograde,pass,passes,"
    "orb_from,orb_to,sign,station";

std::string isoSecond(double julianDay) {
    return CalendarMoment::isoText(CalendarMoment::toSecond(julianDay));
}

std::string isoMinute(double julianDay) {
    return CalendarMoment::isoText(CalendarMoment::toMinute(julianDay));
}

std::vector<std::string> fieldsOf(const CalendarZone& zone, const CalendarEvent& event) {
    const bool aspect = event.kind == Kind::Aspect;
    return {
        CalendarCsv::kindName(event.kind),
        isoSecond(event.time),
        CalendarMoment::localText(CalendarMoment::toSecond(event.time, zone.offsetAt(event.time))),
        std::to_string(event.body),
        CalendarWording::bodyName(event.body),
        CalendarWording::summary(event),
        aspect ? CalendarCsv::number(event.aspectAngle) : "",
        aspect ? std::to_string(event.point) : "",
        aspect ? CalendarWording::pointName(event.point) : "",
        event.kind == Kind::Station ? "" : (event.retrograde ? "1" : "0"),
        aspect ? std::to_string(event.pass) : "",
        aspect ? std::to_string(event.passes) : "",
        aspect ? isoMinute(event.orbFrom) : "",
        aspect ? isoMinute(event.orbTo) : "",
        event.kind == Kind::Ingress ? std::to_string(event.sign) : "",
        event.kind == Kind::Station ? CalendarCsv::stationMark(event) : "",
    };
}

}  // namespace

const char* CalendarCsv::stationMark(const CalendarEvent& event) {
    return event.retrograde ? "R" : "D";
}

const char* CalendarCsv::kindName(Kind kind) {
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

std::string CalendarCsv::field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string CalendarCsv::number(double value) {
    if (!std::isfinite(value)) return "null";
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string CalendarCsv::build(const CalendarZone& zone, const std::vector<CalendarEvent>& events) {
    std::string text = std::string(kHeader) + "\r\n";
    for (const CalendarEvent& event : events) {
        const auto fields = fieldsOf(zone, event);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            text += (i == 0 ? "" : ",") + field(fields[i]);
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace orvanta
