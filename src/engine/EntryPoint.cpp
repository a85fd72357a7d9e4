// The one exported entry of the ephemeris engine library.
#include <dlfcn.h>
#include <swephexp.h>

#include <filesystem>

#include "engine/EngineRequestParser.h"
#include "engine/EphemerisEngine.h"

using orvanta::engine::EngineRequestParser;
using orvanta::engine::EphemerisEngine;

extern "C" __attribute__((visibility("default"))) int EntryPoint_Main(int argc, char** argv,
                                                                      double* result);

namespace {

// The ephemeris files lie beside this library, in the application folder.
void useEphemerisFilesBesideLibrary() {
    static bool done = false;
    if (done) return;
    done = true;
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
    useEphemerisFilesBesideLibrary();
    return EphemerisEngine::compute(*request, result);
}
