#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "calc/BirthData.h"
#include "calc/ChartData.h"
#include "calc/ChartRequest.h"
#include "calc/EngineLoader.h"
#include "calc/ZodiacOrientation.h"

namespace orvanta {

// Turns one moment and place into a filled chart: asks the ephemeris engine for the raw
// longitudes, post-processes them and adds Proserpina and Selena.
class ChartComputation {
  public:
    static constexpr const char* kEngineFailureMessage = "ERROR IN DLL LOGIC...";

    // The engine either stays loaded between calls, or is loaded and released on every call.
    // The engine keeps nothing from one request to the next, so both give the same charts.
    enum class EngineLifetime { KeptLoaded, LoadedPerCall };

    // A computation's answer; the caller decides whether to show the message.
    struct Result {
        bool computed = false;
        std::string message;  // when not computed: what the user is told
        explicit operator bool() const { return computed; }
    };

    explicit ChartComputation(EngineLifetime lifetime = EngineLifetime::KeptLoaded);
    ~ChartComputation();

    // The computation the program shares; the engine stays loaded.
    static ChartComputation& shared();

    // Fills the output. When the engine cannot be reached, or cannot build the house system
    // at the request's latitude, it leaves the output untouched and answers with the message
    // (kEngineFailureMessage, HouseSystems::kPolarMessage).
    Result compute(ChartRequest request, ChartData& output);

    // The document-level wrapper: computes from birth data, then makes sure a chart without
    // houses is not oriented from the Ascendant.
    Result recomputeNatal(const BirthData& birth, int houseSystem, ChartData& chart,
                          ZodiacOrientation& orientation);

    // The status the engine returned for the last request (0 = complete).
    int lastEngineStatus() const { return lastStatus_; }

  private:
    EngineLoader* loadEngine();

    EngineLifetime lifetime_;
    std::unique_ptr<EngineLoader> engine_;
    std::filesystem::path engineFolder_;  // the application folder engine_ was found in
    int lastStatus_ = 0;
};

}  // namespace orvanta
