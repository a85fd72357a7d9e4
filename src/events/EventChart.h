#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/AspectSetting.h"
#include "calc/Calendar.h"
#include "calc/ChartData.h"
#include "events/ComputeTransits.h"
#include "events/EventChartState.h"

namespace orvanta {

class TimeChangeBase;

// The event chart of a natal chart: its transit bodies and transit aspects, its date
// settings and the two lists built for its date. It keeps no natal chart: each operation
// that needs one is given it, so the chart it draws against is always the current one. The
// marking may change that chart: one without houses stops using its cusps as radix objects.
class EventChart {
  public:
    // What a build left to tell the user: it stops at positions that could not be computed.
    struct Build {
        bool positionsComputed = true;
        std::vector<std::string> messages;  // in the order they arose
    };

    // Today's event chart, its lists not built.
    EventChart();

    ChartData& bodies() { return bodies_; }
    const ChartData& bodies() const { return bodies_; }
    TransitAspectTable& aspects() { return aspects_; }
    const TransitAspectTable& aspects() const { return aspects_; }
    EventChartState& state() { return state_; }
    const EventChartState& state() const { return state_; }

    // Back to today, never computed, the lists discarded: a new or opened chart.
    void startToday();
    // Discards both lists, computes them for the event chart's date and switches the records
    // on and off. The time-change base turns Universal Time into local time while the
    // automatic-Greenwich flag is set; without one the Greenwich difference holds throughout.
    // Positions come from the shared chart computation unless the caller brings its own.
    Build rebuild(ChartData& natal, const TimeChangeBase* timeChanges,
                  const BodyPositions& positions = {});
    // Builds the lists when they were not built for the event chart's date; none when they
    // were.
    std::optional<Build> ensure(ChartData& natal, const TimeChangeBase* timeChanges);
    // Discards both lists; the next drawing builds them again.
    void discard();
    // Switches every record on or off by the include flags and the radix and transit use.
    void mark(ChartData& natal);
    // One day forward (+1) or back (-1), held to 1.1.1860 ... 31.12.2130; the lists are
    // discarded.
    void shiftDay(int days);
    // The date selection's OK: nothing happens when every field is as it was; otherwise the
    // fields are stored and the lists have to be built again. True when it changed.
    bool applySettings(const EventChartSettings& settings);

  private:
    static Date today();

    ChartData bodies_;
    TransitAspectTable aspects_;
    EventChartState state_;
};

}  // namespace orvanta
