#include "common/TemporaryFileCleanup.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <mutex>

namespace orvanta {
namespace {

// Read by the signal handler, so plain storage and lock-free flags only.
struct Slot {
    std::atomic<bool> used{false};
    char path[PATH_MAX]{};
};

Slot slots[TemporaryFileCleanup::kSlots];
std::mutex slotsMutex;
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

void removeAndResignal(int signal) {
    for (auto& slot : slots) {
        if (slot.used.load(std::memory_order_acquire)) ::unlink(slot.path);
    }
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    ::sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    // Delivered with the default action as soon as this handler returns and unblocks it.
    ::raise(signal);
}

void installHandlers() {
    for (const int signal : kSignals) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
        struct sigaction handler {};
        handler.sa_handler = removeAndResignal;
        ::sigemptyset(&handler.sa_mask);
        for (const int other : kSignals) ::sigaddset(&handler.sa_mask, other);
        ::sigaction(signal, &handler, nullptr);
    }
}

}  // namespace

int TemporaryFileCleanup::remember(const std::string& path) {
    if (path.size() >= PATH_MAX) return -1;
    const std::lock_guard lock(slotsMutex);
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    for (int i = 0; i < kSlots; ++i) {
        if (slots[i].used.load(std::memory_order_relaxed)) continue;
        std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
        slots[i].used.store(true, std::memory_order_release);
        return i;
    }
    return -1;
}

void TemporaryFileCleanup::forget(int slot) {
    if (slot < 0 || slot >= kSlots) return;
    const std::lock_guard lock(slotsMutex);
    slots[slot].used.store(false, std::memory_order_release);
}

}  // namespace orvanta
