#pragma once

#include <swephexp.h>

#include <mutex>

namespace orvanta::engine {

// Swiss Ephemeris keeps global state (its open files, the ephemeris folder, the last position
// it computed), so every entry of the engine library holds this one lock while it calls swe_*.
// Callers of the library may therefore use it from any thread.
class SwissEphemerisGuard {
  public:
    // Geocentric, apparent, tropical ecliptic of date, from the ephemeris files, with speeds.
    static constexpr int kPositionFlags = SEFLG_SWIEPH | SEFLG_SPEED;

    SwissEphemerisGuard() : lock_(mutex()) {}

  private:
    static std::mutex& mutex();

    std::lock_guard<std::mutex> lock_;
};

}  // namespace orvanta::engine
