#pragma once

#include <optional>
#include <string>

#include "birthdata/ZoneHistory.h"
#include "calc/BirthData.h"
#include "calc/Calendar.h"

namespace orvanta {

// Which of the two readings of a local time the clock showed twice was meant: the answer the
// user gave for that time and zone, or else the one a stored chart already holds.
class DoubledTimeChoice {
  public:
    enum class Occurrence { Earlier, Later };

    // The chart's birth data as stored; a chart never entered holds no choice.
    explicit DoubledTimeChoice(const BirthData& stored);

    // The reading meant by the local time in the zone: the answer given for both, else the
    // one the stored chart's difference from Greenwich names when it was stored for the same
    // local time; nothing when neither says.
    std::optional<Occurrence> meant(const ZoneHistory::Reading& reading, const DateTime& local,
                                    const std::string& zone) const;
    void answer(Occurrence occurrence, const DateTime& local, const std::string& zone);

  private:
    std::optional<Occurrence> stored(const ZoneHistory::Reading& reading,
                                     const DateTime& local) const;

    std::optional<DateTime> storedLocal_;
    double storedDifference_ = 0.0;
    std::optional<Occurrence> answer_;
    DateTime answeredLocal_;
    std::string answeredZone_;
};

}  // namespace orvanta
