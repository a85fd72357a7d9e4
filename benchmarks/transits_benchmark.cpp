// The event chart of one day as the document builds it: 24 steps a day (73 chart
// computations) and 1 step a day (4), with detection, ordering and marking.
#include <benchmark/benchmark.h>

#include "SampleBirth.h"
#include "birthdata/TimeChangeBase.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"

namespace {

// The sample birth at the longitude this benchmark's figures were first measured at.
orvanta::BirthData moscow1961() {
    orvanta::BirthData b = orvanta::bench::moscow1961();
    b.longitude = 37.62;
    return b;
}

void runEventChart(benchmark::State& state, int precisionIndex) {
    orvanta::AppFolder::setOverride(ORVANTA_APP_DIR);
    orvanta::TimeChangeBase changes;
    changes.load(orvanta::AppFolder::find(orvanta::TimeChangeBase::kFileName));
    orvanta::CZodiacDoc doc;
    if (!doc.newChart(moscow1961(), 0, false, true)) {
        state.SkipWithError("engine not found");
        return;
    }
    doc.setTimeChanges(&changes);
    doc.eventChart().state().date = {15, 6, 2024};
    doc.eventChart().state().precisionIndex = precisionIndex;
    for (auto _ : state) {
        doc.rebuildEventChart();
        benchmark::DoNotOptimize(doc.eventChart().state().situations.data());
    }
    state.counters["situations"] = static_cast<double>(doc.eventChart().state().situations.size());
}

void BM_EventChartDay24Steps(benchmark::State& state) {
    runEventChart(state, 7);
}
void BM_EventChartDay1Step(benchmark::State& state) {
    runEventChart(state, 0);
}

}  // namespace

BENCHMARK(BM_EventChartDay24Steps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EventChartDay1Step)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
