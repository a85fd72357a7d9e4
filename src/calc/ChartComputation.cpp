#include "calc/ChartComputation.h"

#include "calc/Calendar.h"
#include "calc/EnginePostProcessor.h"
#include "calc/HouseSystems.h"
#include "calc/MeanMotionPoints.h"
#include "common/AppFolder.h"

namespace orvanta {

ChartComputation::ChartComputation(EngineLifetime lifetime) : lifetime_(lifetime) {}

ChartComputation::~ChartComputation() = default;

ChartComputation& ChartComputation::shared() {
    static ChartComputation computation;
    return computation;
}

EngineLoader* ChartComputation::loadEngine() {
    // The application folder can change (tests, another ORVANTA_HOME): follow it. The library
    // is looked up only when it does, which keeps a file-system query out of every chart.
    auto folder = AppFolder::path();
    if (!engine_ || folder != engineFolder_) {
        engine_ = std::make_unique<EngineLoader>(EngineLoader::defaultLibraryPath());
        engineFolder_ = std::move(folder);
    }
    if (!engine_->load()) {
        engine_.reset();
        engineFolder_.clear();
        return nullptr;
    }
    return engine_.get();
}

ChartComputation::Result ChartComputation::compute(ChartRequest request, ChartData& output) {
    if (request.hour == 24) {
        request.hour = 0;
        const Date next = Calendar::nextDay({request.day, request.month, request.year});
        request.day = next.day;
        request.month = next.month;
        request.year = next.year;
    }

    EngineLoader* engine = loadEngine();
    if (engine == nullptr) return {false, kEngineFailureMessage};
    EngineLoader::Result result{};
    lastStatus_ = engine->call(EngineArguments::build(request), result);
    if (lifetime_ == EngineLifetime::LoadedPerCall) engine_.reset();
    const bool withHouses = request.houseSystem != HouseSystems::kNone;
    if (withHouses && (lastStatus_ & EngineLoader::kStatusHousesNotComputed) != 0) {
        // The engine's cusps belong to another system: showing them would pass them off as
        // the one asked for.
        return {false, HouseSystems::kPolarMessage};
    }

    EnginePostProcessor::apply(result, request.houseSystem, output);

    const DateTime ut = Calendar::hourShift(
        -request.timeZone,
        {request.hour, request.minute, request.day, request.month, request.year});
    MeanMotionPoints::place(MeanMotionPoints::proserpina(ut), output[Bodies::Proserpina]);
    MeanMotionPoints::place(MeanMotionPoints::selena(ut), output[Bodies::Selena]);
    return {true, {}};
}

ChartComputation::Result ChartComputation::recomputeNatal(const BirthData& birth, int houseSystem,
                                                          ChartData& chart,
                                                          ZodiacOrientation& orientation) {
    ChartRequest request;
    request.day = birth.day;
    request.month = birth.month;
    request.year = birth.year;
    request.hour = birth.hour;
    request.minute = birth.minute;
    request.timeZone = birth.diffGreenwich;
    request.latitude = birth.latitude;
    request.longitude = birth.longitude;
    request.houseSystem = houseSystem;
    auto computed = compute(request, chart);
    orientation.fitToHouses(chart.housesUnavailable == 1);
    return computed;
}

}  // namespace orvanta
