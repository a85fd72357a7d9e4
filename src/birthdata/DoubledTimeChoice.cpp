#include "birthdata/DoubledTimeChoice.h"

namespace orvanta {
namespace {

// A difference went into the chart through the fields of hours and minutes, so it is
// compared to the minute.
bool sameToTheMinute(double hours, double otherHours) {
    return Calendar::round(hours * 60.0) == Calendar::round(otherHours * 60.0);
}

}  // namespace

DoubledTimeChoice::DoubledTimeChoice(const BirthData& stored) {
    if (stored.entered == 0) return;
    storedLocal_ = DateTime{stored.hour, stored.minute, stored.day, stored.month, stored.year};
    storedDifference_ = stored.diffGreenwich;
}

std::optional<DoubledTimeChoice::Occurrence> DoubledTimeChoice::meant(
    const ZoneHistory::Reading& reading, const DateTime& local, const std::string& zone) const {
    if (answer_ && answeredLocal_ == local && answeredZone_ == zone) return answer_;
    return stored(reading, local);
}

std::optional<DoubledTimeChoice::Occurrence> DoubledTimeChoice::stored(
    const ZoneHistory::Reading& reading, const DateTime& local) const {
    if (storedLocal_ != local) return std::nullopt;
    if (sameToTheMinute(storedDifference_, reading.offsetHours)) return Occurrence::Earlier;
    if (sameToTheMinute(storedDifference_, reading.laterOffsetHours)) return Occurrence::Later;
    return std::nullopt;
}

void DoubledTimeChoice::answer(Occurrence occurrence, const DateTime& local,
                               const std::string& zone) {
    answer_ = occurrence;
    answeredLocal_ = local;
    answeredZone_ = zone;
}

}  // namespace orvanta
