#pragma once

#include <array>
#include <cmath>
#include <numbers>
#include <optional>

#include "calc/Ephemeris.h"

namespace orvanta::testing {

// A sky of motions a test controls: each body moves as
//   longitude(t) = start + rate * (t - epoch) + loop * sin(2 pi (t - epoch) / period),
// so a loop with loop * 2 pi / period > rate turns the body back once a period, with stations
// where cos(2 pi (t - epoch) / period) = -rate * period / (2 pi loop).
class FakeSky : public Ephemeris {
  public:
    static constexpr double kEpoch = 2460000.5;

    struct Motion {
        double start = 0.0;
        double rate = 0.0;
        double loop = 0.0;
        double period = 1.0;
        bool known = false;
    };

    void set(int body, double start, double rate, double loop = 0.0, double period = 1.0) {
        motions_[static_cast<std::size_t>(body)] = {start, rate, loop, period, true};
    }

    // The longitude before it is reduced into the circle.
    double unwrapped(int body, double time) const {
        const Motion& m = motions_[static_cast<std::size_t>(body)];
        const double days = time - kEpoch;
        return m.start + m.rate * days +
               m.loop * std::sin(2.0 * std::numbers::pi * days / m.period);
    }

    std::optional<BodyPosition> body(int number, double time) const override {
        if (number < 1 || number > Bodies::kBodyCount) return std::nullopt;
        const Motion& m = motions_[static_cast<std::size_t>(number)];
        if (!m.known) return std::nullopt;
        const double omega = 2.0 * std::numbers::pi / m.period;
        double longitude = std::fmod(unwrapped(number, time), 360.0);
        if (longitude < 0.0) longitude += 360.0;
        return BodyPosition{longitude, 0.0,
                            m.rate + m.loop * omega * std::cos(omega * (time - kEpoch))};
    }

    std::optional<HouseCusps> houses(double, double, double, int) const override {
        return std::nullopt;
    }

  private:
    std::array<Motion, Bodies::kBodyCount + 1> motions_{};
};

}  // namespace orvanta::testing
