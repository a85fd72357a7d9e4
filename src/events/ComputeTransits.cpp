#include "events/ComputeTransits.h"

#include <algorithm>
#include <array>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "birthdata/TimeChangeBase.h"
#include "calc/Bodies.h"
#include "calc/ChartComputation.h"
#include "calc/HouseSystems.h"
#include "events/AspectPoint.h"
#include "events/PassageDetection.h"
#include "events/TransitOrdering.h"

namespace orvanta {
namespace {

constexpr std::array<int, TransitRequest::kPrecisionCount> kStepsPerDay = {1, 2, 3,  4,
                                                                           6, 8, 12, 24};
constexpr double kSkippedNatalLongitude = 380.0;  // a natal body at or past this does not transit
constexpr double kSlowBodyHours = 48.0;  // orb transits are of bodies slower than this per orb
constexpr double kSmallestOrb = 0.01;

// An index outside the list keeps the steps of the run before (one step before any run).
int lastStepsPerDay = 1;

// One state of the stepping: a date, a whole hour of Universal Time and the positions.
struct StepState {
    Date date;
    int hour = 0;
    ChartData positions;
};

// A passage noted within a step, before it becomes a record.
struct Slot {
    double point = 0.0;
    double time = 0.0;  // hours after 00:00 of the previous state's date
    const AspectPoint* aspect = nullptr;
};

// The points sorted by longitude, so that a step looks only at the points between its two
// longitudes instead of at every point. Only points from 0 to under 360 can ever be passed.
class PointsByLongitude {
  public:
    explicit PointsByLongitude(const std::vector<AspectPoint>& points) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            const double longitude = points[i].longitude;
            if (longitude >= 0.0 && longitude < 360.0) sorted_.push_back({longitude, i});
        }
        std::sort(sorted_.begin(), sorted_.end());
    }

    // Indices, in their original order, of the points a body moving from one longitude to the
    // other within a step can pass (the arc between them, or the arc across 0 Aries): a
    // superset of the passages, which the detection then decides.
    void candidates(double previous, double current, std::vector<std::size_t>& out) const {
        out.clear();
        const double low = std::min(previous, current);
        const double high = std::max(previous, current);
        if (high - low < kLargestStep) {
            collect(low, high, out);
        } else {
            collect(0.0, low, out);
            collect(high, 360.0, out);
        }
        std::sort(out.begin(), out.end());
    }

  private:
    static constexpr double kLargestStep = 20.0;

    void collect(double low, double high, std::vector<std::size_t>& out) const {
        auto it = std::lower_bound(sorted_.begin(), sorted_.end(), std::pair{low, std::size_t{0}});
        for (; it != sorted_.end() && it->first <= high; ++it) out.push_back(it->second);
    }

    std::vector<std::pair<double, std::size_t>> sorted_;
};

class TransitRun {
  public:
    TransitRun(const TransitRequest& request, TransitResults& results)
        : request_(request),
          results_(results),
          natal_(*request.natal),
          aspects_(*request.aspects),
          offset_(request.greenwichDifference) {}

    void run();

  private:
    bool computePositions(StepState& state);
    void advance(StepState& state) const;
    void detectPassages(int body, const StepState& previous, const StepState& current);
    void checkOrbTransits(int body, const StepState& previous);
    void addSituation(int body, const StepState& previous, const Slot& slot);
    void updateOffset(double universalMoment);
    void noteSkipped(int index);
    int bodyNumber(int body) const { return natal_.style[body].identifier; }
    double orbOf(const AspectPoint& point) const {
        return aspects_[static_cast<std::size_t>(point.aspectIndex)].orb;
    }
    void append(TransitList& list, const TransitSituation& record);

    const TransitRequest& request_;
    TransitResults& results_;
    const ChartData& natal_;
    const TransitAspectTable& aspects_;
    double offset_;
    int steps_ = 1;
    int stepHours_ = 24;
    int stepIndex_ = 1;
    std::vector<AspectPoint> points_;
    std::optional<PointsByLongitude> byLongitude_;
    std::vector<std::size_t> candidates_;
    std::vector<Slot> slots_;
};

void TransitRun::run() {
    const int steps = TransitRequest::stepsPerDay(request_.precisionIndex);
    if (steps != 0) lastStepsPerDay = steps;
    steps_ = lastStepsPerDay;
    stepHours_ = 24 / steps_;
    points_ = AspectPoint::collect(natal_, aspects_);
    byLongitude_.emplace(points_);

    const Date end = Calendar::nextDay(Calendar::nextDay(request_.end));
    StepState previous{Calendar::previousDay(request_.start), 0, {}};
    StepState current;
    if (!computePositions(previous)) return;
    results_.dayCounter = -1;
    stepIndex_ = 1;
    do {
        current.date = previous.date;
        current.hour = previous.hour;
        advance(current);
        if (!computePositions(current)) break;
        if (current.date.day != previous.date.day) ++results_.dayCounter;
        for (int body = 1; body <= Bodies::kBodyCount; ++body) {
            if (natal_[body].longitude < kSkippedNatalLongitude) {
                detectPassages(body, previous, current);
            }
        }
        std::swap(previous, current);
        if (++stepIndex_ > steps_) stepIndex_ = 1;
    } while (!(previous.date == end));
    results_.dayCounter -= 1;
    TransitOrdering::sort(results_.situations);
    TransitOrdering::sort(results_.orbTransits);
}

bool TransitRun::computePositions(StepState& state) {
    if (request_.positions(state.date, state.hour, state.positions)) return true;
    results_.positionsFailed = true;
    return false;
}

void TransitRun::advance(StepState& state) const {
    state.hour += stepHours_;
    if (state.hour >= 24) {
        state.date = Calendar::nextDay(state.date);
        state.hour = 0;
    }
}

void TransitRun::detectPassages(int body, const StepState& previous, const StepState& current) {
    const double from = previous.positions[body].longitude;
    const double to = current.positions[body].longitude;
    const double step = 24.0 / steps_;
    slots_.clear();
    byLongitude_->candidates(from, to, candidates_);
    for (const std::size_t index : candidates_) {
        const AspectPoint& point = points_[index];
        if (const auto passage = PassageDetection::detect(from, to, point.longitude)) {
            const double time = step * (stepIndex_ - 1) + step * passage->fraction;
            slots_.push_back({passage->point, time, &point});
        }
    }
    if (previous.hour == 0) checkOrbTransits(body, previous);
    for (const Slot& slot : slots_) addSituation(body, previous, slot);
}

void TransitRun::checkOrbTransits(int body, const StepState& previous) {
    const double longitude = previous.positions[body].longitude;
    const double midnight = Calendar::hoursSinceBase(previous.date, 0.0);
    for (const AspectPoint& point : points_) {
        const double orb = orbOf(point);
        const double duration = Calendar::meanPassageTime(bodyNumber(body), orb);
        // A plain difference: a point just past 0 Aries is far from a body just before it.
        const double distance = point.longitude - longitude;
        if (duration > kSlowBodyHours && orb > kSmallestOrb &&
            (distance < 0.0 ? -distance : distance) <= orb / 2.0) {
            append(results_.orbTransits, {midnight, point.aspectAngle, orb, longitude, duration,
                                          bodyNumber(body), point.radix, point.aspectIndex});
        }
    }
}

void TransitRun::addSituation(int body, const StepState& previous, const Slot& slot) {
    const double universal = Calendar::hoursSinceBase(previous.date, 0.0) + slot.time;
    if (request_.autoGreenwich) updateOffset(universal);
    const double orb = orbOf(*slot.aspect);
    append(results_.situations, {universal + offset_, slot.aspect->aspectAngle, orb, slot.point,
                                 Calendar::meanPassageTime(bodyNumber(body), orb), bodyNumber(body),
                                 slot.aspect->radix, slot.aspect->aspectIndex});
}

// The latest change (looked for from the end of the base) at or before the moment gives the
// offset; before every change the offset of the record before stays.
void TransitRun::updateOffset(double universalMoment) {
    if (request_.timeChanges == nullptr) return;
    const auto& changes = request_.timeChanges->records();
    for (int index = static_cast<int>(changes.size()) - 1; index >= 0; --index) {
        const TimeChange& change = changes[static_cast<std::size_t>(index)];
        // A record whose date cannot exist has no instant and is never in force.
        if (!change.isValid()) {
            noteSkipped(index);
        } else if (!(change.instant > universalMoment)) {
            offset_ = change.difference + request_.moscowDifference;
            return;
        }
    }
}

void TransitRun::noteSkipped(int index) {
    auto& skipped = results_.skippedTimeChanges;
    if (std::find(skipped.begin(), skipped.end(), index) == skipped.end()) {
        skipped.push_back(index);
    }
}

void TransitRun::append(TransitList& list, const TransitSituation& record) {
    try {
        list.push_back(record);
    } catch (const std::bad_alloc&) {
        results_.allocationFailed = true;
    }
}

}  // namespace

int TransitRequest::stepsPerDay(int precisionIndex) {
    if (precisionIndex < 0 || precisionIndex >= kPrecisionCount) return 0;
    return kStepsPerDay[static_cast<std::size_t>(precisionIndex)];
}

ChartComputation::Result computeBodyPositions(Date date, int hour, ChartData& positions) {
    ChartRequest request;
    request.day = date.day;
    request.month = date.month;
    request.year = date.year;
    request.hour = hour;
    request.minute = 0;
    request.timeZone = 0.0;
    request.houseSystem = HouseSystems::kNone;
    return ChartComputation::shared().compute(request, positions);
}

bool ComputeTransits(const TransitRequest& request, TransitResults& results) {
    results = TransitResults{};
    // A span that ends before it starts would never reach its end.
    if (request.natal == nullptr || request.aspects == nullptr ||
        Calendar::isBefore(request.end, request.start)) {
        return false;
    }
    TransitRequest withPositions = request;
    std::string engineMessage;
    if (!withPositions.positions) {
        withPositions.positions = [&engineMessage](Date date, int hour, ChartData& positions) {
            auto computed = computeBodyPositions(date, hour, positions);
            engineMessage = std::move(computed.message);
            return computed.computed;
        };
    }
    TransitRun(withPositions, results).run();
    if (results.positionsFailed) results.positionsMessage = std::move(engineMessage);
    return results.allocationFailed;
}

}  // namespace orvanta
