#pragma once

#include <iosfwd>
#include <memory>
#include <string_view>

#include "calc/EngineEphemeris.h"

namespace orvanta::cli {

// The positions a command computes with: those a test gives, or else the engine's, loaded from
// the application folder and kept for as long as this object lives.
class CommandEphemeris {
  public:
    // The given positions, or the loaded engine's; nullptr once `failure` and a line end are
    // written to err when the engine does not load.
    const Ephemeris* orEngine(const Ephemeris* given, std::string_view failure, std::ostream& err);

  private:
    std::unique_ptr<EngineEphemeris> engine_;
};

}  // namespace orvanta::cli
