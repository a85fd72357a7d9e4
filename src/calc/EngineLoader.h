#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "calc/EngineArguments.h"
#include "calc/EngineContract.h"

namespace orvanta {

// Loads the ephemeris engine library by path and calls its entry EntryPoint_Main.
class EngineLoader {
  public:
    static constexpr int kResultSize = EngineContract::kResultSize;
    using Result = std::array<double, kResultSize>;
    using EntryPoint = int (*)(int argc, char** argv, double* result);

#ifdef _WIN32
    static constexpr const char* kLibraryFileName = "Orvanta.dll";
#else
    static constexpr const char* kLibraryFileName = "libOrvanta.so";
#endif
    static constexpr const char* kEntryPointName = "EntryPoint_Main";
    // Bits of the status the engine returns (its own library defines the same values).
    static constexpr int kStatusBodyMissing = 2;
    static constexpr int kStatusHousesNotComputed = 4;

    explicit EngineLoader(std::filesystem::path libraryPath);
    ~EngineLoader();
    EngineLoader(const EngineLoader&) = delete;
    EngineLoader& operator=(const EngineLoader&) = delete;

    // The engine file in the application folder.
    static std::filesystem::path defaultLibraryPath();

    // True when the library is loaded and has the entry; loading again is a no-op.
    bool load();
    void unload();
    bool isLoaded() const {
        return entry_ != nullptr;
    }
    const std::filesystem::path& libraryPath() const {
        return path_;
    }

    // The Swiss Ephemeris version the library was built with; empty when the library cannot
    // be loaded or does not tell.
    std::string swissEphemerisVersion();

    // Another exported function of the loaded library; nullptr when it has none.
    void* findEntry(const char* name) const;

    // Sends the request with a zeroed result area; returns the engine's status (0 = fine).
    // The library must be loaded.
    int call(const std::array<std::string, EngineArguments::kCount>& arguments, Result& result);

  private:
    std::filesystem::path path_;
    void* handle_ = nullptr;
    EntryPoint entry_ = nullptr;
};

}  // namespace orvanta
