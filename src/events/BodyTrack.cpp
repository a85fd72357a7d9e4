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
        default:
            return 2.0;
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
    const double turn =
        ExactMomentSearch::refine([this](double time) { return at(time).speed; }, start, end,
                                  first.speed, last.speed, kStationTolerance);
    const BodyPosition atTurn = at(turn);
    out.push_back({start, turn, first, atTurn});
    out.push_back({turn, end, atTurn, last});
    if (stations != nullptr) stations->push_back({turn, !isRetrograde(first)});
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
std::optional<BodyTrack::Crossing> BodyTrack::crossing(const Piece& piece, double target,
                                                       double degreeTolerance,
                                                       double timeTolerance) const {
    const double atStart = signedDistance(piece.atStart.longitude, target);
    const double atEnd = signedDistance(piece.atEnd.longitude, target);
    if ((atStart < 0.0) == (atEnd < 0.0) || std::fabs(atStart) + std::fabs(atEnd) >= 180.0) {
        return std::nullopt;
    }
    const auto distance = [this, target](double time) {
        const BodyPosition position = at(time);
        return ExactMomentSearch::Sample{signedDistance(position.longitude, target),
                                         position.speed};
    };
    const double time = ExactMomentSearch::refineWithRate(distance, piece.start, piece.end,
                                                          {atStart, piece.atStart.speed},
                                                          degreeTolerance, timeTolerance);
    return Crossing{time, atStart >= 0.0};
}

BodyTrack::Piece BodyTrack::cut(Piece piece, double from, double to) const {
    if (from > piece.start) {
        piece.start = from;
        piece.atStart = at(from);
    }
    if (to < piece.end) {
        piece.end = to;
        piece.atEnd = at(to);
    }
    return piece;
}

}  // namespace orvanta
