// A year of the transit calendar: every transiting body but the Moon (then with it) to the 16
// bodies and 12 cusps of a chart, five major aspects, ingresses and stations.
#include <benchmark/benchmark.h>

#include "SampleBirth.h"
#include "calc/EngineEphemeris.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"
#include "events/CalendarMoment.h"
#include "events/TransitCalendar.h"

namespace {

using namespace orvanta;

// Counts the positions asked for, the measure the search's cost follows.
class CountingEphemeris : public Ephemeris {
  public:
    explicit CountingEphemeris(const Ephemeris& inner) : inner_(inner) {}
    std::optional<BodyPosition> body(int number, double time) const override {
        ++calls;
        return inner_.body(number, time);
    }
    std::optional<HouseCusps> houses(double time, double latitude, double longitude,
                                     int system) const override {
        return inner_.houses(time, latitude, longitude, system);
    }
    mutable long calls = 0;

  private:
    const Ephemeris& inner_;
};

void runYear(benchmark::State& state, bool withMoon) {
    AppFolder::setOverride(ORVANTA_APP_DIR);
    CZodiacDoc doc;
    const auto ephemeris = EngineEphemeris::openInApplicationFolder();
    if (!ephemeris || !doc.newChart(bench::moscow1961(), 0, false, true)) {
        state.SkipWithError("engine not found");
        return;
    }
    CalendarRequest request;
    request.from = CalendarMoment::julianDay(1, 1, 2024, 0.0);
    request.to = CalendarMoment::julianDay(1, 1, 2025, 0.0);
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        if (body != Bodies::Moon || withMoon) request.bodies.push_back(body);
    }
    for (int point = 1; point <= Bodies::kLastCusp; ++point) {
        request.points.push_back({point, doc.natal().chart[point].longitude});
    }
    request.aspects = {{0.0, 8.0}, {60.0, 6.0}, {90.0, 8.0}, {120.0, 8.0}, {180.0, 8.0}};
    std::size_t events = 0;
    const CountingEphemeris counting(*ephemeris);
    for (auto _ : state) {
        counting.calls = 0;
        const auto found = TransitCalendar(counting, request).run();
        events = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["events"] = static_cast<double>(events);
    state.counters["positions"] = static_cast<double>(counting.calls);
}

void BM_CalendarYearWithoutMoon(benchmark::State& state) {
    runYear(state, false);
}
void BM_CalendarYearWithMoon(benchmark::State& state) {
    runYear(state, true);
}

}  // namespace

BENCHMARK(BM_CalendarYearWithoutMoon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalendarYearWithMoon)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
