#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

#include "calc/Ephemeris.h"
#include "events/BodyTrack.h"
#include "events/CalendarEvent.h"
#include "events/CalendarRequest.h"

namespace orvanta {

// The events of a period for a natal chart: exact aspects of the transiting bodies to the
// natal points on both sides of each angle (to a fraction of a second), with the stay in orb
// around each hit (to the minute) and the hits of that stay numbered; the bodies' ingresses
// into signs and their stations. Events are in time order.
class TransitCalendar {
  public:
    // Told the share of the search done (0 to 1) now and then; answering false stops it.
    using Progress = std::function<bool(double done)>;

    // Thrown by run() when the progress callback asked to stop.
    class Cancelled : public std::runtime_error {
      public:
        Cancelled() : std::runtime_error("the transit calendar search was cancelled") {}
    };

    TransitCalendar(const Ephemeris& ephemeris, CalendarRequest request);

    void setProgress(Progress progress) { progress_ = std::move(progress); }

    // Throws BodyTrack::Unavailable when the ephemeris lacks a position it needs, Cancelled
    // when stopped.
    std::vector<CalendarEvent> run();

  private:
    struct Target {
        double longitude = 0.0;
        double angle = 0.0;
        double orb = 0.0;
        int point = 0;
        int side = 1;
    };
    // One stay in orb of a target: its entry, exit and exact hits.
    struct Stay {
        double entry = 0.0;
        double exit = 0.0;
        std::vector<double> hits;
    };

    void searchBody(int body);
    // The whole search in grid cells of every body, to weigh the progress by.
    double totalCells() const;
    void reportCell();
    void addAspect(BodyTrack& track, const Target& target, const BodyTrack::Crossing& hit,
                   Stay& stay);
    Stay stayAround(BodyTrack& track, const Target& target, double time);
    double orbEdge(BodyTrack& track, const Target& target, double time, int direction);
    std::vector<double> hitsWithin(BodyTrack& track, double target, double known, double from,
                                   double to);

    const Ephemeris& ephemeris_;
    CalendarRequest request_;
    std::vector<Target> targets_;
    std::vector<CalendarEvent> events_;
    Progress progress_;
    double cellsDone_ = 0.0;
    double cellsTotal_ = 1.0;
};

}  // namespace orvanta
