#include "events/EventChart.h"

#include <ctime>

#include "birthdata/TimeChangeBase.h"
#include "events/TransitMarking.h"

namespace orvanta {

EventChart::EventChart() {
    bodies_.style.assignBodyNames();
    state_.date = today();
    state_.calendarMonth = state_.date.month;
    state_.calendarYear = state_.date.year;
}

Date EventChart::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

void EventChart::startToday() {
    state_.date = today();
    state_.calendarMonth = state_.date.month;
    state_.calendarYear = state_.date.year;
    state_.computed = false;
    discard();
}

EventChart::Build EventChart::rebuild(ChartData& natal, const TimeChangeBase* timeChanges,
                                      const BodyPositions& positions) {
    discard();
    TransitRequest request;
    request.moscowDifference = state_.moscowDifference;
    request.greenwichDifference = state_.greenwichDifference;
    request.autoGreenwich = state_.autoGreenwich != 0;
    request.precisionIndex = state_.precisionIndex;
    request.natal = &natal;
    request.aspects = &aspects_;
    request.timeChanges = timeChanges;
    request.start = state_.date;
    request.end = state_.date;
    if (positions) request.positions = positions;
    TransitResults results;
    state_.allocationFailed = ComputeTransits(request, results);
    state_.situations = std::move(results.situations);
    state_.orbTransits = std::move(results.orbTransits);
    state_.dayCounter = results.dayCounter;
    Build build;
    build.positionsComputed = !results.positionsFailed;
    if (!results.positionsMessage.empty()) build.messages.push_back(results.positionsMessage);
    if (!results.skippedTimeChanges.empty()) {
        build.messages.push_back(timeChanges->skippedWarning(results.skippedTimeChanges));
    }
    state_.computed = true;
    state_.builtFor = state_.date;
    mark(natal);
    return build;
}

std::optional<EventChart::Build> EventChart::ensure(ChartData& natal,
                                                    const TimeChangeBase* timeChanges) {
    if (state_.builtFor && *state_.builtFor == state_.date) return std::nullopt;
    return rebuild(natal, timeChanges);
}

void EventChart::discard() {
    state_.situations.clear();
    state_.situations.shrink_to_fit();
    state_.orbTransits.clear();
    state_.orbTransits.shrink_to_fit();
    state_.builtFor.reset();
}

void EventChart::mark(ChartData& natal) {
    TransitMarking::mark(natal, aspects_, bodies_, state_.situations, state_.orbTransits);
}

void EventChart::shiftDay(int days) {
    Date date = state_.date;
    for (int i = 0; i < days; ++i) date = Calendar::nextDay(date);
    for (int i = 0; i > days; --i) date = Calendar::previousDay(date);
    if (Calendar::isBefore({31, 12, Calendar::kLastYear}, date))
        date = {31, 12, Calendar::kLastYear};
    if (Calendar::isBefore(date, {1, 1, Calendar::kFirstYear})) date = {1, 1, Calendar::kFirstYear};
    state_.date = date;
    discard();
}

bool EventChart::applySettings(const EventChartSettings& settings) {
    if (settings == state_.settings()) return false;
    state_.setSettings(settings);
    state_.builtFor.reset();
    return true;
}

}  // namespace orvanta
