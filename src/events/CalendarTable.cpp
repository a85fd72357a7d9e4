#include "events/CalendarTable.h"

#include <algorithm>
#include <array>

#include "events/CalendarWording.h"

namespace orvanta {
namespace {

using Kind = CalendarEvent::Kind;

constexpr std::array<const char*, CalendarTable::ColumnCount> kHeaders = {
    "Время", "Транзит", "Аспект", "Точка", "R", "Проход", "Орбис"};

// What a column sorts by; ingresses and stations after the aspects in the aspect and point
// columns.
double sortKey(const CalendarEvent& event, int column) {
    const bool aspect = event.kind == Kind::Aspect;
    switch (column) {
        case CalendarTable::Body:
            return event.body;
        case CalendarTable::Aspect:
            return aspect ? event.aspectAngle : 1000.0 + static_cast<int>(event.kind);
        case CalendarTable::Point:
            return aspect ? event.point : 1000.0 + event.sign;
        case CalendarTable::Retrograde:
            return event.retrograde ? 1.0 : 0.0;
        case CalendarTable::Pass:
            return aspect ? event.pass : 0.0;
        case CalendarTable::Orb:
            return aspect ? event.orbFrom : event.time;
        default:
            return event.time;
    }
}

}  // namespace

CalendarTable::CalendarTable(std::vector<CalendarEvent> events, CalendarZone zone)
    : events_(std::move(events)), zone_(std::move(zone)) {
    applyOrder();
}

const char* CalendarTable::header(int column) {
    return column >= 0 && column < ColumnCount ? kHeaders[static_cast<std::size_t>(column)] : "";
}

void CalendarTable::setFilter(const std::string& text) {
    filter_ = folded(text);
    applyOrder();
}

void CalendarTable::sortBy(int column, bool ascending) {
    sortColumn_ = column;
    ascending_ = ascending;
    applyOrder();
}

void CalendarTable::applyOrder() {
    shown_.clear();
    for (std::size_t i = 0; i < events_.size(); ++i) {
        if (filter_.empty() || matches(events_[i], filter_)) shown_.push_back(i);
    }
    std::stable_sort(shown_.begin(), shown_.end(), [this](std::size_t a, std::size_t b) {
        const double left = sortKey(events_[a], sortColumn_);
        const double right = sortKey(events_[b], sortColumn_);
        return ascending_ ? left < right : right < left;
    });
}

bool CalendarTable::matches(const CalendarEvent& event, const std::string& needle) const {
    for (const int column : {Body, Aspect, Point}) {
        if (folded(cellOf(event, column)).find(needle) != std::string::npos) return true;
    }
    return false;
}

std::string CalendarTable::cell(std::size_t row, int column) const {
    return cellOf(event(row), column);
}

CalendarMoment::Fields CalendarTable::localMoment(std::size_t row) const {
    const double time = event(row).time;
    return CalendarMoment::toSecond(time, zone_.offsetAt(time));
}

std::string CalendarTable::cellOf(const CalendarEvent& event, int column) const {
    const bool aspect = event.kind == Kind::Aspect;
    const auto minute = [this](double time) {
        return CalendarMoment::minuteText(CalendarMoment::toMinute(time, zone_.offsetAt(time)));
    };
    switch (column) {
        case Time:
            return CalendarMoment::localText(
                CalendarMoment::toSecond(event.time, zone_.offsetAt(event.time)));
        case Body:
            return CalendarWording::bodyName(event.body);
        case Aspect:
            if (aspect) return CalendarWording::aspectSymbol(event.aspectAngle);
            return event.kind == Kind::Ingress ? "входит в" : "стоянка";
        case Point:
            if (aspect) return CalendarWording::pointName(event.point);
            return event.kind == Kind::Ingress ? CalendarWording::signEntered(event.sign) : "";
        case Retrograde:
            if (event.kind == Kind::Station) return event.retrograde ? "R" : "D";
            return event.retrograde ? "R" : "";
        case Pass:
            return aspect ? std::to_string(event.pass) + "/" + std::to_string(event.passes) : "";
        case Orb:
            return aspect ? minute(event.orbFrom) + " – " + minute(event.orbTo) : "";
        default:
            return {};
    }
}

std::vector<CalendarEvent> CalendarTable::shownEvents() const {
    std::vector<CalendarEvent> shown;
    for (const std::size_t i : shown_) shown.push_back(events_[i]);
    return shown;
}

std::string CalendarTable::folded(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c + ('a' - 'A'));
        } else if (c == 0xD0 && next >= 0x90 && next <= 0x9F) {  // А to П: а to п
            out += static_cast<char>(0xD0);
            out += static_cast<char>(next + 0x20);
            ++i;
        } else if (c == 0xD0 && next >= 0xA0 && next <= 0xAF) {  // Р to Я: р to я
            out += static_cast<char>(0xD1);
            out += static_cast<char>(next - 0x20);
            ++i;
        } else if (c == 0xD0 && next == 0x81) {  // Ё: ё
            out += static_cast<char>(0xD1);
            out += static_cast<char>(0x91);
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace orvanta
