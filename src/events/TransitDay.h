#pragma once

#include <span>
#include <string>
#include <vector>

#include "calc/Calendar.h"
#include "events/TransitSituation.h"

namespace orvanta {

// The records of one day of the event chart, from D = 00:00 of the date inclusive to D + 24
// exclusive. The lists are in order of moment, so a day is one contiguous run of each list;
// the day lists keep only the records that are switched on.
class TransitDay {
  public:
    TransitDay(const TransitList& situations, const TransitList& orbTransits, Date date);

    double start() const { return start_; }
    // The day's run of a list, switched-off records included.
    static std::span<const TransitSituation> run(const TransitList& list, double dayStart);

    // Situations of every body but the Moon, the Moon's, and the orb transits: shown ones only.
    const std::vector<const TransitSituation*>& situations() const { return situations_; }
    const std::vector<const TransitSituation*>& moon() const { return moon_; }
    const std::vector<const TransitSituation*>& orbTransits() const { return orbTransits_; }

    // "07ч05м": hours and minutes after 00:00 of the day; minutes that round to 60 count as
    // the next hour.
    static std::string timeText(double hoursIntoDay);

  private:
    double start_;
    std::vector<const TransitSituation*> situations_;
    std::vector<const TransitSituation*> moon_;
    std::vector<const TransitSituation*> orbTransits_;
};

}  // namespace orvanta
