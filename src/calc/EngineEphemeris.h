#pragma once

#include <filesystem>
#include <memory>

#include "calc/EngineLoader.h"
#include "calc/Ephemeris.h"
#include "calc/EphemerisContract.h"

namespace orvanta {

// Positions at any instant from the engine library's second entry (EntryPoint_Instant): the
// same Swiss Ephemeris, flags and house methods as the charts, and Proserpina and Selena from
// the chart computation's mean motions, so a position here and in a chart of the same minute
// agree. Days outside EphemerisContract::kFirstDay to kLastDay give nullopt.
//
// Threads: any thread may call any EngineEphemeris at any time. The object does not change
// after it is opened; the engine library holds one lock (engine/SwissEphemerisGuard) around
// every Swiss Ephemeris call of both its entries, this one and the charts', so calls run one at
// a time, and it points each calling thread at the delivered ephemeris files, since the Swiss
// Ephemeris build may keep its state per thread. Do not call swe_* directly beside it.
class EngineEphemeris final : public Ephemeris {
  public:
    // nullptr when the library cannot be loaded or lacks the entry.
    static std::unique_ptr<EngineEphemeris> open(const std::filesystem::path& libraryPath);
    // The engine file of the application folder.
    static std::unique_ptr<EngineEphemeris> openInApplicationFolder();

    std::optional<BodyPosition> body(int number, double julianDayUt) const override;
    BodyPositions bodies(double julianDayUt) const override;
    std::optional<HouseCusps> houses(double julianDayUt, double latitude, double longitude,
                                     int houseSystem) const override;

  private:
    using Answer = std::array<double, EphemerisContract::kAnswerSize>;

    EngineEphemeris(std::unique_ptr<EngineLoader> loader, EphemerisContract::Entry entry);

    static std::optional<BodyPosition> positionAt(const Answer& answer, int offset);

    std::unique_ptr<EngineLoader> loader_;
    EphemerisContract::Entry entry_;
};

}  // namespace orvanta
