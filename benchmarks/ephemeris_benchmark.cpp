// Sixteen bodies at one instant: through EngineEphemeris (the engine library's second entry,
// all sixteen in one call, and body by body), and the thirteen swe_calc_ut calls behind them
// made directly with the engine's flags. Every iteration asks for another instant, so Swiss
// Ephemeris cannot answer from the position it saved last.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <memory>

#include "calc/EngineEphemeris.h"
#include "common/AppFolder.h"

namespace {

constexpr int kSwissBodies[] = {SE_SUN,     SE_MOON,      SE_MERCURY,  SE_VENUS,  SE_MARS,
                                SE_JUPITER, SE_SATURN,    SE_CHIRON,   SE_URANUS, SE_NEPTUNE,
                                SE_PLUTO,   SE_MEAN_NODE, SE_MEAN_APOG};

// 1900 to 2100 in steps of a little more than a day.
double instant(int step) {
    return 2415020.5 + (step % 53000) * 1.37;
}

std::unique_ptr<orvanta::EngineEphemeris> openEphemeris(benchmark::State& state) {
    orvanta::AppFolder::setOverride(ORVANTA_APP_DIR);
    auto ephemeris = orvanta::EngineEphemeris::openInApplicationFolder();
    if (!ephemeris) state.SkipWithError("engine not found");
    return ephemeris;
}

void BM_SixteenBodiesEngineEphemeris(benchmark::State& state) {
    const auto ephemeris = openEphemeris(state);
    if (!ephemeris) return;
    int step = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ephemeris->bodies(instant(step++)));
}

void BM_SixteenBodiesEngineEphemerisOneByOne(benchmark::State& state) {
    const auto ephemeris = openEphemeris(state);
    if (!ephemeris) return;
    int step = 0;
    for (auto _ : state) {
        const double julianDayUt = instant(step++);
        for (int number = 1; number <= orvanta::Bodies::kBodyCount; ++number) {
            benchmark::DoNotOptimize(ephemeris->body(number, julianDayUt));
        }
    }
}

void BM_SixteenBodiesSwissEphemerisDirect(benchmark::State& state) {
    swe_set_ephe_path(ORVANTA_APP_DIR);
    int step = 0;
    double xx[6] = {};
    char error[AS_MAXCH] = {};
    for (auto _ : state) {
        const double julianDayUt = instant(step++);
        for (int body : kSwissBodies) {
            benchmark::DoNotOptimize(
                swe_calc_ut(julianDayUt, body, SEFLG_SWIEPH | SEFLG_SPEED, xx, error));
            benchmark::DoNotOptimize(xx);
        }
    }
}

}  // namespace

BENCHMARK(BM_SixteenBodiesSwissEphemerisDirect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SixteenBodiesEngineEphemeris)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SixteenBodiesEngineEphemerisOneByOne)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
