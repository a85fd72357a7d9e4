#pragma once

#include <functional>
#include <string>
#include <vector>

#include "calc/AspectSetting.h"
#include "calc/Calendar.h"
#include "calc/ChartComputation.h"
#include "calc/ChartData.h"
#include "events/TransitSituation.h"

namespace orvanta {

class TimeChangeBase;

// Fills the positions of the bodies (objects 1 to 16) for a date and whole hour of Universal
// Time; false when they could not be computed.
using BodyPositions = std::function<bool(Date date, int hour, ChartData& positions)>;

// What the event chart of a span of days is computed from.
struct TransitRequest {
    static constexpr int kPrecisionCount = 8;

    double moscowDifference = 0.0;     // hours local time is ahead of Moscow time
    double greenwichDifference = 0.0;  // hours local time is ahead of Universal Time
    bool autoGreenwich = true;         // the Greenwich difference comes from the time changes
    int precisionIndex = 0;            // 0 to 7: 1, 2, 3, 4, 6, 8, 12 or 24 steps a day
    const ChartData* natal = nullptr;
    const TransitAspectTable* aspects = nullptr;
    const TimeChangeBase* timeChanges = nullptr;  // none: no change is ever found
    Date start;
    Date end;
    // The chart computation the program shares unless a caller brings its own positions.
    BodyPositions positions;

    // Steps a day for a precision index, or 0 outside 0 to 7.
    static int stepsPerDay(int precisionIndex);
};

// What a run leaves: both lists in order of moment, the day counter (1 for the three-day
// span of one chosen day), and whether a record could not be stored or the positions of a
// step could not be computed (the run then ends with what it found so far).
struct TransitResults {
    TransitList situations;
    TransitList orbTransits;
    int dayCounter = 0;
    bool allocationFailed = false;
    bool positionsFailed = false;
    std::string positionsMessage;  // why, when the chart computation said
    // Damaged time-change records passed over on the way to the change in force: the caller
    // tells the user which.
    std::vector<int> skippedTimeChanges;
};

// Steps the moving bodies from the day before the start date to 00:00 two days after the end
// date, notes every passage of an aspect point and, at each 00:00, the slow aspects within
// half their orb. Returns the allocation-failure flag.
bool ComputeTransits(const TransitRequest& request, TransitResults& results);

// The kept-loaded chart computation: Universal Time, no place, no houses.
ChartComputation::Result computeBodyPositions(Date date, int hour, ChartData& positions);

}  // namespace orvanta
