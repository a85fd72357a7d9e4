#pragma once

#include <string>

namespace orvanta {

// Temporary files of saves in progress, removed when SIGINT, SIGTERM or SIGHUP ends the
// program; the signal then takes its default course, so the exit status still names it.
// A signal the program handles or ignores itself is left alone.
class TemporaryFileCleanup {
  public:
    static constexpr int kSlots = 16;

    // Returns the slot to give back to forget(), or -1 when every slot is taken (the file is
    // then not removed on a signal, but the save goes on).
    static int remember(const std::string& path);
    static void forget(int slot);
};

}  // namespace orvanta
