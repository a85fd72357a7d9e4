// The interpretation of the sample chart, written as the text window writes it when it opens:
// the library files read from TXT_OR, the aspects found, the text assembled.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"

namespace {

using namespace orvanta;

void BM_SampleInterpretation(benchmark::State& state) {
    if (std::getenv("ORVANTA_HOME") == nullptr) AppFolder::setOverride(ORVANTA_APP_DIR);
    CZodiacDoc doc;
    if (!doc.open(ORVANTA_SAMPLE_MAP).loaded()) {
        state.SkipWithError("the sample chart cannot be opened");
        return;
    }
    for (auto _ : state) {
        doc.interpretation().markOutOfDate();
        doc.refreshInterpretation();
        benchmark::DoNotOptimize(doc.interpretation().text().data());
    }
    if (!doc.interpretation().isComplete()) state.SkipWithError("the text library is incomplete");
    state.counters["bytes"] = static_cast<double>(doc.interpretation().text().size());
}
BENCHMARK(BM_SampleInterpretation)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
