// The event chart of one day as the document builds it: 24 steps a day (73 chart
// computations) and 1 step a day (4), with detection, ordering and marking.
#include <benchmark/benchmark.h>

#include "birthdata/TimeChangeBase.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"

namespace {

orvanta::BirthData moscow1961() {
    orvanta::BirthData b;
    b.entered = 1;
    b.day = b.gmtDay = 12;
    b.month = b.gmtMonth = 4;
    b.year = b.gmtYear = 1961;
    b.hour = 9;
    b.gmtHour = 6;
    b.minute = b.gmtMinute = 7;
    b.diffGreenwich = 3;
    b.latitude = 55.75;
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
