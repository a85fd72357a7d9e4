#include "events/TransitCalendar.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "events/AspectPoint.h"
#include "events/ExactMomentSearch.h"

namespace orvanta {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
// Exact hits: to 1e-8 degree, or a thousandth of a second where the speed is tiny.
constexpr double kHitTimeTolerance = 1e-3 * kSecond;
constexpr double kHitDegreeTolerance = 1e-8;
// Orb edges are shown to the minute.
constexpr double kEdgeTimeTolerance = 10.0 * kSecond;
constexpr double kEdgeDegreeTolerance = 1e-4;
// How far an orb edge is looked for on either side of a hit: past it the stay is cut off.
constexpr double kLongestHalfStay = 60.0 * 365.25;
constexpr int kSignCount = 12;
constexpr double kSignWidth = 30.0;

}  // namespace

TransitCalendar::TransitCalendar(const Ephemeris& ephemeris, CalendarRequest request)
    : ephemeris_(ephemeris), request_(std::move(request)) {
    for (const CalendarRequest::Point& point : request_.points) {
        for (const CalendarRequest::Aspect& aspect : request_.aspects) {
            const double angle = aspect.angle;
            targets_.push_back(
                {AspectPoint::reduce(point.longitude + angle), angle, aspect.orb, point.number, 1});
            if (angle != 0.0 && angle != 180.0) {
                targets_.push_back({AspectPoint::reduce(point.longitude - angle), angle, aspect.orb,
                                    point.number, -1});
            }
        }
    }
}

std::vector<CalendarEvent> TransitCalendar::run() {
    events_.clear();
    if (!(request_.from < request_.to)) return events_;
    cellsDone_ = 0.0;
    cellsTotal_ = std::max(1.0, totalCells());
    for (const int body : request_.bodies) searchBody(body);
    if (progress_ && !progress_(1.0)) throw Cancelled();
    std::stable_sort(
        events_.begin(), events_.end(),
        [](const CalendarEvent& a, const CalendarEvent& b) { return a.time < b.time; });
    return std::move(events_);
}

void TransitCalendar::searchBody(int body) {
    BodyTrack track(ephemeris_, body);
    std::vector<BodyTrack::Station> stations;
    std::vector<BodyTrack::Piece> pieces;
    std::vector<Stay> stays(targets_.size());
    const auto inPeriod = [this](double time) {
        return time >= request_.from && time < request_.to;
    };
    for (auto cell = track.cellOf(request_.from); track.cellStart(cell) < request_.to; ++cell) {
        reportCell();
        track.pieces(cell, pieces, &stations);
        for (const BodyTrack::Piece& piece : pieces) {
            for (std::size_t k = 0; k < targets_.size(); ++k) {
                const auto hit = track.crossing(piece, targets_[k].longitude, kHitDegreeTolerance,
                                                kHitTimeTolerance);
                if (hit && inPeriod(hit->time)) addAspect(track, targets_[k], *hit, stays[k]);
            }
            for (int sign = 0; sign < kSignCount; ++sign) {
                const auto entry = track.crossing(piece, sign * kSignWidth, kHitDegreeTolerance,
                                                  kHitTimeTolerance);
                if (!entry || !inPeriod(entry->time)) continue;
                // Backwards over a cusp the body enters the sign before it.
                const int entered = entry->retrograde ? (sign + kSignCount - 1) % kSignCount : sign;
                CalendarEvent event{CalendarEvent::Kind::Ingress, entry->time, body,
                                    entry->retrograde};
                event.sign = entered + 1;
                events_.push_back(event);
            }
        }
    }
    for (const BodyTrack::Station& station : stations) {
        if (inPeriod(station.time)) {
            events_.push_back(
                {CalendarEvent::Kind::Station, station.time, body, station.turnsRetrograde});
        }
    }
}

double TransitCalendar::totalCells() const {
    double cells = 0.0;
    for (const int body : request_.bodies) {
        cells += (request_.to - request_.from) / BodyTrack::stepFor(body) + 1.0;
    }
    return cells;
}

// Asking every cell costs nothing beside the positions a cell computes.
void TransitCalendar::reportCell() {
    cellsDone_ += 1.0;
    if (progress_ && !progress_(std::min(1.0, cellsDone_ / cellsTotal_))) throw Cancelled();
}

void TransitCalendar::addAspect(BodyTrack& track, const Target& target,
                                const BodyTrack::Crossing& hit, Stay& stay) {
    if (stay.hits.empty() || hit.time < stay.entry || hit.time > stay.exit) {
        stay = stayAround(track, target, hit.time);
    }
    // The stay's hits were found afresh: the nearest is this one.
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < stay.hits.size(); ++i) {
        if (std::fabs(stay.hits[i] - hit.time) < std::fabs(stay.hits[nearest] - hit.time)) {
            nearest = i;
        }
    }
    CalendarEvent event{CalendarEvent::Kind::Aspect, hit.time, track.body(), hit.retrograde};
    event.aspectAngle = target.angle;
    event.point = target.point;
    event.side = target.side;
    event.pass = static_cast<int>(nearest) + 1;
    event.passes = static_cast<int>(stay.hits.size());
    event.orbFrom = stay.entry;
    event.orbTo = stay.exit;
    events_.push_back(event);
}

TransitCalendar::Stay TransitCalendar::stayAround(BodyTrack& track, const Target& target,
                                                  double time) {
    Stay stay{time, time, {}};
    if (target.orb > 0.0) {
        stay.entry = orbEdge(track, target, time, -1);
        stay.exit = orbEdge(track, target, time, +1);
        stay.hits = hitsWithin(track, target.longitude, time, stay.entry, stay.exit);
    }
    if (stay.hits.empty()) stay.hits.push_back(time);
    return stay;
}

// The nearest moment on one side of a hit where the body crosses either edge of the orb. A
// one-way piece crosses each edge once at most, so a crossing on the other side of the hit is
// not this stay's.
double TransitCalendar::orbEdge(BodyTrack& track, const Target& target, double time,
                                int direction) {
    const double edges[] = {AspectPoint::reduce(target.longitude - target.orb),
                            AspectPoint::reduce(target.longitude + target.orb)};
    const auto first = track.cellOf(time);
    const auto cells = static_cast<std::int64_t>(kLongestHalfStay / track.step());
    std::vector<BodyTrack::Piece> pieces;
    for (std::int64_t n = 0; n <= cells; ++n) {
        track.pieces(first + direction * n, pieces, nullptr);
        if (direction < 0) std::reverse(pieces.begin(), pieces.end());
        for (const BodyTrack::Piece& piece : pieces) {
            if (direction < 0 ? piece.start >= time : piece.end <= time) continue;
            std::optional<double> nearest;
            for (const double edge : edges) {
                const auto found =
                    track.crossing(piece, edge, kEdgeDegreeTolerance, kEdgeTimeTolerance);
                const bool beyond = found && direction * (found->time - time) > 0.0;
                if (beyond && (!nearest || direction * (found->time - *nearest) < 0.0)) {
                    nearest = found->time;
                }
            }
            if (nearest) return *nearest;
        }
    }
    return time + direction * kLongestHalfStay;
}

// The hits of a target within a stay; the one already found is not looked for again.
std::vector<double> TransitCalendar::hitsWithin(BodyTrack& track, double target, double known,
                                                double from, double to) {
    std::vector<double> hits;
    std::vector<BodyTrack::Piece> pieces;
    for (auto cell = track.cellOf(from); track.cellStart(cell) <= to; ++cell) {
        track.pieces(cell, pieces, nullptr);
        for (const BodyTrack::Piece& piece : pieces) {
            if (piece.end < from || piece.start > to || !BodyTrack::meets(piece, target)) continue;
            if (known >= piece.start && known <= piece.end) {
                hits.push_back(known);
                continue;
            }
            const auto hit = track.crossing(piece, target, kHitDegreeTolerance, kHitTimeTolerance);
            if (hit && hit->time >= from && hit->time <= to) hits.push_back(hit->time);
        }
    }
    return hits;
}

}  // namespace orvanta
