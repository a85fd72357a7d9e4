// A full reading written from the library files: the files read, the chart summarised (patterns,
// ranked aspects, dominants), the text assembled and wrapped. Must stay under 20 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "common/AppFolder.h"
#include "support/HandBirths.h"
#include "texts/FullReading.h"

namespace {

using namespace orvanta;

void BM_FullReading(benchmark::State& state) {
    if (std::getenv("ORVANTA_HOME") == nullptr) AppFolder::setOverride(ORVANTA_APP_DIR);
    const auto& birth = test::handBirths()[static_cast<std::size_t>(state.range(0))];
    const ChartData chart = test::chartOf(birth);
    const BirthData data = test::birthDataOf(birth);
    const auto aspects = test::majorAspects();
    const TextLibrary library;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto reading = FullReading(library).build(data, chart, aspects);
        if (!reading.complete) {
            state.SkipWithError("the text library is incomplete");
            return;
        }
        bytes = reading.text.size();
        benchmark::DoNotOptimize(reading.text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_FullReading)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
