#include "events/IcsCalendar.h"

#include <cinttypes>
#include <cstdio>
#include <sstream>

#include "events/CalendarCsv.h"
#include "events/CalendarMoment.h"
#include "events/CalendarWording.h"

namespace orvanta {
namespace {

constexpr std::size_t kLineOctets = 75;

bool continuesSequence(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string utc(double julianDay) {
    return CalendarMoment::compactText(CalendarMoment::toSecond(julianDay));
}

}  // namespace

IcsCalendar::IcsCalendar(std::string chartName, std::string chartKey, const CalendarZone& zone,
                         double stamp)
    : chartName_(std::move(chartName)),
      chartKey_(std::move(chartKey)),
      zone_(zone),
      stamp_(stamp) {}

std::string IcsCalendar::fold(std::string_view line) {
    std::string folded;
    std::size_t limit = kLineOctets;  // a continuation's leading space counts as one octet
    while (line.size() > limit) {
        std::size_t cut = limit;
        while (cut > 0 && continuesSequence(line[cut])) --cut;
        folded.append(line.substr(0, cut)).append("\r\n ");
        line.remove_prefix(cut);
        limit = kLineOctets - 1;
    }
    return folded.append(line).append("\r\n");
}

std::string IcsCalendar::escape(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c != '\r') {
            escaped += c;
        }
    }
    return escaped;
}

std::string IcsCalendar::digest(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016" PRIx64, hash);
    return hex;
}

std::string IcsCalendar::chartKey(const BirthData& birth) {
    std::ostringstream key;
    key << birth.name << '|' << birth.day << '.' << birth.month << '.' << birth.year << ' '
        << birth.hour << ':' << birth.minute << '|' << birth.diffGreenwich << '|' << birth.latitude
        << '|' << birth.longitude;
    return digest(key.str());
}

std::string IcsCalendar::local(double julianDay) const {
    return CalendarMoment::minuteText(
        CalendarMoment::toMinute(julianDay, zone_.offsetAt(julianDay)));
}

std::string IcsCalendar::uid(const CalendarEvent& event) const {
    std::string id =
        std::to_string(static_cast<int>(event.kind)) + "-" + std::to_string(event.body) + "-";
    switch (event.kind) {
        case CalendarEvent::Kind::Aspect:
            id += CalendarCsv::number(event.aspectAngle * event.side) + "-" +
                  std::to_string(event.point);
            break;
        case CalendarEvent::Kind::Ingress:
            id += "s" + std::to_string(event.sign);
            break;
        case CalendarEvent::Kind::Station:
            id += event.retrograde ? "R" : "D";
            break;
    }
    return id + "-" + utc(event.time) + "-" + chartKey_ + "@orvanta";
}

std::string IcsCalendar::description(const CalendarEvent& event) const {
    const CalendarMoment::Fields at =
        CalendarMoment::toSecond(event.time, zone_.offsetAt(event.time));
    std::string text =
        chartName_ + "\n" + CalendarMoment::localText(at) + " (" + zone_.name() + ")";
    if (event.kind == CalendarEvent::Kind::Aspect) {
        text += "\nВ орбисе: с " + local(event.orbFrom) + " по " + local(event.orbTo);
        text += "\nПроход " + std::to_string(event.pass) + " из " + std::to_string(event.passes);
        if (event.retrograde) text += ", ретроградный";
    } else if (event.kind == CalendarEvent::Kind::Ingress && event.retrograde) {
        text += "\nРетроградное движение";
    }
    return text;
}

std::string IcsCalendar::build(const std::vector<CalendarEvent>& events) const {
    std::string ics = fold("BEGIN:VCALENDAR") + fold("VERSION:2.0") +
                      fold("PRODID:-//Orvanta//Transit calendar//RU") + fold("CALSCALE:GREGORIAN") +
                      fold("X-WR-CALNAME:" + escape("Транзиты: " + chartName_));
    for (const CalendarEvent& event : events) {
        ics += fold("BEGIN:VEVENT");
        ics += fold("UID:" + uid(event));
        ics += fold("DTSTAMP:" + utc(stamp_));
        ics += fold("DTSTART:" + utc(event.time));
        ics += fold("SUMMARY:" + escape(CalendarWording::summary(event)));
        ics += fold("DESCRIPTION:" + escape(description(event)));
        ics += fold("TRANSP:TRANSPARENT");
        ics += fold("END:VEVENT");
    }
    return ics + fold("END:VCALENDAR");
}

}  // namespace orvanta
