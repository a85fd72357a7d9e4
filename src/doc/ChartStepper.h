#pragma once

#include <vector>

#include "calc/BirthData.h"
#include "calc/Calendar.h"
#include "doc/ChartStep.h"

namespace orvanta {

class TimeChangeBase;

// Moves the birth moment of a chart by a step of years, months, days, hours and minutes, and
// works out the new Greenwich moment. Amounts are added field by field and the date is put
// right afterwards, so that 31 January plus one month is 3 March in a common year.
class ChartStepper {
  public:
    enum class Direction { Forward, Backward };

    static bool isEmpty(const ChartStep& step);

    // The local moment moved by the step: the year held to the calendar's years before the
    // date is put right (a carry from December may still pass the last year).
    static DateTime moved(const DateTime& from, const ChartStep& step, Direction direction);

    // Carries and borrows until every field is in its range.
    static DateTime normalised(DateTime moment);

    // The birth data moved by the step. With the automatic difference from Greenwich, the
    // time-change base decides the new difference (the difference from Moscow plus the change
    // in force at the new moment); otherwise, or when the base has no record that early, the
    // difference stays. The Greenwich fields follow from the new local moment. skipped
    // receives the damaged records of the base that the search passed over.
    static BirthData stepped(const BirthData& birth, const ChartStep& step, Direction direction,
                             const TimeChangeBase* timeChanges, bool autoGreenwich,
                             std::vector<int>* skipped = nullptr);

  private:
    static void setGreenwichFields(BirthData& birth, double localHours);
};

}  // namespace orvanta
