#include "events/BodyTrack.h"

#include <cmath>
#include <string>

#include "calc/Bodies.h"
#include "events/ExactMomentSearch.h"

namespace orvanta {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kStationTolerance = 0.01 * kSecond;

bool isRetrograde(const BodyPosition& position) {
    return position.speed < 0.0;
}

}  // namespace

BodyTrack::Unavailable::Unavailable(int body, double time)
    : std::runtime_error("the ephemeris gives no position of body " + std::to_string(body)),
      body(body),
      time(time) {}

BodyTrack::BodyTrack(const Ephemeris& ephemeris, int body)
    : ephemeris_(ephemeris), body_(body), step_(stepFor(body)) {}

double BodyTrack::stepFor(int body) {
    switch (body) {
        case Bodies::Moon:
            return 0.25;  // at most 4 degrees a step
        case Bodies::Sun:
        case Bodies::Mercury:
        case Bodies::Venus:
        case Bodies::Mars:
            return 1.0;  // Mercury's shortest stay between stations is about three weeks
        case Bodies::Proserpina:
        case Bodies::NorthNode:
        case Bodies::SouthNode:
        case Bodies::Selena:
        case Bodies::Lilith:
            return 8.0;  // mean motions, never turning
        default:
            return 4.0;  // Jupiter's loop, the shortest of the slow bodies, lasts four months
    }
}

std::int64_t BodyTrack::cellOf(double time) const {
    return static_cast<std::int64_t>(std::floor(time / step_));
}

BodyPosition BodyTrack::at(double time) const {
    const auto position = ephemeris_.body(body_, time);
    if (!position) throw Unavailable(body_, time);
    return *position;
}

const BodyPosition& BodyTrack::node(std::int64_t index) {
    const auto found = nodes_.find(index);
    if (found != nodes_.end()) return found->second;
    return nodes_.emplace(index, at(cellStart(index))).first->second;
}

void BodyTrack::pieces(std::int64_t cell, std::vector<Piece>& out, std::vector<Station>* stations) {
    out.clear();
    const BodyPosition first = node(cell);
    const BodyPosition last = node(cell + 1);
    const double start = cellStart(cell);
    const double end = cellStart(cell + 1);
    if (isRetrograde(first) == isRetrograde(last)) {
        out.push_back({start, end, first, last});
        return;
    }
    // Searches come back to the same steps around a loop: each turn is found once.
    auto turn = turns_.find(cell);
    if (turn == turns_.end()) {
        const double time =
            ExactMomentSearch::refine([this](double t) { return at(t).speed; }, start, end,
                                      first.speed, last.speed, kStationTolerance);
        turn = turns_.emplace(cell, Turn{time, at(time)}).first;
    }
    out.push_back({start, turn->second.time, first, turn->second.position});
    out.push_back({turn->second.time, end, turn->second.position, last});
    if (stations != nullptr) stations->push_back({turn->second.time, !isRetrograde(first)});
}

double BodyTrack::signedDistance(double longitude, double target) {
    double distance = std::fmod(longitude - target, 360.0);
    if (distance >= 180.0) {
        distance -= 360.0;
    } else if (distance < -180.0) {
        distance += 360.0;
    }
    return distance;
}

// The signed distance changes sign once where the body meets the target and, on the far side
// of the circle, jumps by 360, which the sum of the two distances tells apart.
bool BodyTrack::meets(const Piece& piece, double target) {
    const double atStart = signedDistance(piece.atStart.longitude, target);
    const double atEnd = signedDistance(piece.atEnd.longitude, target);
    return (atStart < 0.0) != (atEnd < 0.0) && std::fabs(atStart) + std::fabs(atEnd) < 180.0;
}

std::optional<BodyTrack::Crossing> BodyTrack::crossing(const Piece& piece, double target,
                                                       double degreeTolerance,
                                                       double timeTolerance) const {
    if (!meets(piece, target)) return std::nullopt;
    const double atStart = signedDistance(piece.atStart.longitude, target);
    const double atEnd = signedDistance(piece.atEnd.longitude, target);
    const auto distance = [this, target](double time) {
        const BodyPosition position = at(time);
        return ExactMomentSearch::Sample{signedDistance(position.longitude, target),
                                         position.speed};
    };
    const double time = ExactMomentSearch::refineWithRate(
        distance, piece.start, piece.end, {atStart, piece.atStart.speed},
        {atEnd, piece.atEnd.speed}, degreeTolerance, timeTolerance);
    return Crossing{time, atStart >= 0.0};
}

}  // namespace orvanta
