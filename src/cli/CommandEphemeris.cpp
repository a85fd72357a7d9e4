#include "cli/CommandEphemeris.h"

#include <ostream>

namespace orvanta::cli {

const Ephemeris* CommandEphemeris::orEngine(const Ephemeris* given, std::string_view failure,
                                            std::ostream& err) {
    if (given != nullptr) return given;
    engine_ = EngineEphemeris::openInApplicationFolder();
    if (!engine_) err << failure << "\n";
    return engine_.get();
}

}  // namespace orvanta::cli
