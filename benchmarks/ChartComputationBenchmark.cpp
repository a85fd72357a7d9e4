// One natal chart through the loader and the engine: the engine kept loaded (as the program
// runs) and loaded and released for every chart.
#include <benchmark/benchmark.h>

#include "calc/ChartComputation.h"
#include "common/AppFolder.h"

namespace {

orvanta::ChartRequest sampleRequest(int step) {
    orvanta::ChartRequest r;
    r.day = 1 + step % 28;
    r.month = 1 + step % 12;
    r.year = 1950 + step % 60;
    r.hour = step % 24;
    r.minute = step % 60;
    r.timeZone = 3.0;
    r.latitude = 55.75;
    r.longitude = 37.6;
    r.houseSystem = 0;
    return r;
}

void runCharts(benchmark::State& state, orvanta::ChartComputation::EngineLifetime lifetime) {
    orvanta::AppFolder::setOverride(ORVANTA_APP_DIR);
    orvanta::ChartComputation computation(lifetime);
    orvanta::ChartData chart;
    int step = 0;
    for (auto _ : state) {
        if (!computation.compute(sampleRequest(step++), chart)) {
            state.SkipWithError("engine not found");
            break;
        }
        benchmark::DoNotOptimize(chart);
    }
}

void BM_ChartEngineKeptLoaded(benchmark::State& state) {
    runCharts(state, orvanta::ChartComputation::EngineLifetime::KeptLoaded);
}
void BM_ChartEngineLoadedPerCall(benchmark::State& state) {
    runCharts(state, orvanta::ChartComputation::EngineLifetime::LoadedPerCall);
}

}  // namespace

BENCHMARK(BM_ChartEngineKeptLoaded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChartEngineLoadedPerCall)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
