#pragma once

#include <string>

#include "birthdata/ZoneHistory.h"

namespace orvanta {

// The words for a local time that a change of the clock skipped or doubled, shared by the
// birth-data entry and orvanta-cli.
class ClockChangeText {
  public:
    // "UTC+6", "UTC−5", "UTC+5:30": an offset rounded to the minute.
    static std::string utcOffset(double hours);
    // "31 марта 1985 г. местного времени от 02:00 до 03:00 не было: часы перевели вперед. ..."
    static std::string skipped(const ZoneHistory::Reading& reading);
    // The question which of the two readings of a doubled time was meant.
    static std::string doubled(const ZoneHistory::Reading& reading, const DateTime& local);
    // The two answers: the first reading (the offset before the change) and the second.
    static std::string earlierChoice(const ZoneHistory::Reading& reading);
    static std::string laterChoice(const ZoneHistory::Reading& reading);
};

}  // namespace orvanta
