// The exported entries of the ephemeris engine library: the request of twelve texts, and the
// query of positions at an instant.
#include <dlfcn.h>
#include <swephexp.h>

#include <cstring>
#include <filesystem>

#include "calc/EphemerisContract.h"
#include "engine/EngineRequestParser.h"
#include "engine/EphemerisEngine.h"
#include "engine/InstantEngine.h"
#include "engine/SwissEphemerisGuard.h"

using orvanta::engine::EngineRequestParser;
using orvanta::engine::EphemerisEngine;
using orvanta::engine::InstantEngine;
using orvanta::engine::SwissEphemerisGuard;

extern "C" __attribute__((visibility("default"))) int EntryPoint_Main(int argc, char** argv,
                                                                      double* result);
extern "C" __attribute__((visibility("default"))) void EntryPoint_Version(char* text, int size);

namespace {

// A calling thread's Swiss Ephemeris state, closed when the thread ends: a thread that asked
// for positions (the calendar's search, say) leaves no buffers behind.
struct ThreadEphemeris {
    bool ready = false;
    ~ThreadEphemeris() {
        if (!ready) return;
        const SwissEphemerisGuard guard;
        swe_close();
    }
};

// The ephemeris files lie beside this library, in the application folder. The Swiss Ephemeris
// build may keep its state per thread (Debian's does), so each calling thread sets the folder.
void useEphemerisFilesBesideLibrary() {
    thread_local ThreadEphemeris state;
    if (state.ready) return;
    state.ready = true;
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&EntryPoint_Main), &info) != 0 && info.dli_fname) {
        const auto folder = std::filesystem::path(info.dli_fname).parent_path();
        EphemerisEngine::setEphemerisFolder(folder.empty() ? std::string(".") : folder.string());
    }
}

__attribute__((destructor)) void closeEphemeris() {
    swe_close();
}

}  // namespace

extern "C" int EntryPoint_Main(int argc, char** argv, double* result) {
    if (result == nullptr) return EphemerisEngine::kMalformedRequest;
    const auto request = EngineRequestParser::parse(argc, argv);
    if (!request) return EphemerisEngine::kMalformedRequest;
    const SwissEphemerisGuard guard;
    useEphemerisFilesBesideLibrary();
    return EphemerisEngine::compute(*request, result);
}

extern "C" void EntryPoint_Version(char* text, int size) {
    if (text == nullptr || size <= 0) return;
    char version[256] = {};  // swe_version writes at most 255 characters
    swe_version(version);
    std::strncpy(text, version, static_cast<std::size_t>(size - 1));
    text[size - 1] = '\0';
}

extern "C" int EntryPoint_Instant(const OrvantaInstantQuery* query, double* answer) {
    if (query == nullptr) return orvanta::EphemerisContract::kRefused;
    const SwissEphemerisGuard guard;
    useEphemerisFilesBesideLibrary();
    return InstantEngine::answer(*query, answer);
}
