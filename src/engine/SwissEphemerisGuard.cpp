#include "engine/SwissEphemerisGuard.h"

namespace orvanta::engine {

std::mutex& SwissEphemerisGuard::mutex() {
    static std::mutex theMutex;
    return theMutex;
}

}  // namespace orvanta::engine
