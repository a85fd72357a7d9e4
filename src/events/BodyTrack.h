#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "calc/Ephemeris.h"

namespace orvanta {

// The positions of one transiting body on a grid of steps short enough that within a step the
// body turns at most once and moves well under half a turn; a step is cut at the station it
// holds, so that the body moves one way only within each piece.
class BodyTrack {
  public:
    // A stretch of time over which the body's longitude moves one way only.
    struct Piece {
        double start = 0.0;
        double end = 0.0;
        BodyPosition atStart;
        BodyPosition atEnd;
    };

    // A station found while cutting a step: the moment the speed changes sign.
    struct Station {
        double time = 0.0;
        bool turnsRetrograde = false;
    };

    // Where a one-way piece meets a longitude, and which way the body was moving.
    struct Crossing {
        double time = 0.0;
        bool retrograde = false;
    };

    // Thrown when the ephemeris cannot give the body's position at a moment.
    class Unavailable : public std::runtime_error {
      public:
        Unavailable(int body, double time);
        int body;
        double time;
    };

    BodyTrack(const Ephemeris& ephemeris, int body);

    int body() const { return body_; }
    double step() const { return step_; }
    // The grid step for a body: hours for the Moon, a day for the fast planets, more for the
    // slow ones.
    static double stepFor(int body);

    // The grid step holding a moment, and its start.
    std::int64_t cellOf(double time) const;
    double cellStart(std::int64_t cell) const { return static_cast<double>(cell) * step_; }

    // The one or two one-way pieces of a grid step, with the station between them if any.
    void pieces(std::int64_t cell, std::vector<Piece>& out, std::vector<Station>* stations);

    BodyPosition at(double time) const;

    // Whether the body meets a longitude within a one-way piece: the signed distance changes
    // sign there, and not by a jump across the opposite point.
    static bool meets(const Piece& piece, double target);
    // The moment within a one-way piece where the body meets a longitude, if it does, to within
    // either tolerance.
    std::optional<Crossing> crossing(const Piece& piece, double target, double degreeTolerance,
                                     double timeTolerance) const;

    // Degrees from a target to a longitude, -180 to under 180: negative while the target is
    // ahead.
    static double signedDistance(double longitude, double target);

  private:
    const BodyPosition& node(std::int64_t index);

    const Ephemeris& ephemeris_;
    int body_;
    double step_;
    struct Turn {
        double time = 0.0;
        BodyPosition position;
    };

    std::unordered_map<std::int64_t, BodyPosition> nodes_;
    std::unordered_map<std::int64_t, Turn> turns_;
};

}  // namespace orvanta
