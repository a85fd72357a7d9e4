#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "events/CalendarEvent.h"
#include "events/CalendarMoment.h"
#include "events/CalendarZone.h"

namespace orvanta {

// The transit calendar as the list window shows it: one row per event with its cells in
// local time, narrowed by a filter text and sorted by a column.
class CalendarTable {
  public:
    enum Column { Time, Body, Aspect, Point, Retrograde, Pass, Orb, ColumnCount };

    CalendarTable(std::vector<CalendarEvent> events, CalendarZone zone);

    static const char* header(int column);

    // Rows whose body, aspect or point contains the text, in any letter case; empty shows all.
    void setFilter(const std::string& text);
    // Ties keep time order.
    void sortBy(int column, bool ascending);

    std::size_t rowCount() const { return shown_.size(); }
    const CalendarEvent& event(std::size_t row) const { return events_[shown_[row]]; }
    std::string cell(std::size_t row, int column) const;
    // The rows shown, in their order: what export and printing take.
    std::vector<CalendarEvent> shownEvents() const;
    std::size_t eventCount() const { return events_.size(); }
    const CalendarZone& zone() const { return zone_; }
    // The local date and time of a row's moment.
    CalendarMoment::Fields localMoment(std::size_t row) const;

    // Lower case of Latin and Russian letters in UTF-8; other bytes are kept.
    static std::string folded(const std::string& text);

  private:
    std::string cellOf(const CalendarEvent& event, int column) const;
    bool matches(const CalendarEvent& event, const std::string& needle) const;
    void applyOrder();

    std::vector<CalendarEvent> events_;  // time order
    CalendarZone zone_;
    std::vector<std::size_t> shown_;
    std::string filter_;
    int sortColumn_ = Time;
    bool ascending_ = true;
};

}  // namespace orvanta
