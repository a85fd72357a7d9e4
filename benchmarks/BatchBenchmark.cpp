// Charts per second of the batch path (read a record, compute through the engine kept loaded,
// write the CSV line) against the same work done with Swiss Ephemeris directly: 13 bodies with
// their speeds and the 12 Placidus cusps per chart. Both report items_per_second = charts/s.
#include <benchmark/benchmark.h>
#include <swephexp.h>
#include <time.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "calc/ChartComputation.h"
#include "cli/BatchCommand.h"
#include "cli/BatchResultWriter.h"
#include "common/AppFolder.h"

namespace {

constexpr int kChartsPerRound = 200;

struct Moment {
    int day, month, year, hour, minute;
    double zone, latitude, longitude;
};

Moment moment(int i) {
    return {1 + i % 28,
            1 + i % 12,
            1900 + (i * 7) % 200,
            i % 24,
            (i * 13) % 60,
            static_cast<double>(i % 25 - 12),
            -60.0 + (i * 37) % 120,
            -180.0 + (i * 53) % 360};
}

std::string records() {
    std::ostringstream text;
    for (int i = 0; i < kChartsPerRound; ++i) {
        const Moment m = moment(i);
        text << "Client " << i << ";" << m.day << "." << m.month << "." << m.year << ";" << m.hour
             << ":" << m.minute << ";" << m.zone << ";" << m.latitude << ";" << m.longitude << "\n";
    }
    return text.str();
}

// Output that is formatted but goes nowhere.
class NullBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_BatchPath(benchmark::State& state) {
    orvanta::AppFolder::setOverride(ORVANTA_APP_DIR);
    const std::string input = records();
    NullBuffer nothing;
    std::ostream out(&nothing);
    std::ostream err(&nothing);
    orvanta::cli::BatchResultWriter writer(out, orvanta::cli::BatchResultWriter::Format::Csv);
    for (auto _ : state) {
        std::istringstream in(input);
        const auto summary = orvanta::cli::BatchCommand::process(in, writer, err, 0);
        if (summary.failed != 0 || summary.records != kChartsPerRound) {
            state.SkipWithError("the batch path did not compute every record");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kChartsPerRound);
}

// The computation alone, without reading records and writing lines: tells the cost of the
// engine's interface apart from the batch's own reading and writing.
void BM_ChartComputationOnly(benchmark::State& state) {
    orvanta::AppFolder::setOverride(ORVANTA_APP_DIR);
    auto& computation = orvanta::ChartComputation::shared();
    orvanta::ChartData chart;
    for (auto _ : state) {
        for (int i = 0; i < kChartsPerRound; ++i) {
            const Moment m = moment(i);
            const orvanta::ChartRequest request{m.day,  m.month,    m.year,      m.hour, m.minute,
                                                m.zone, m.latitude, m.longitude, 0};
            if (!computation.compute(request, chart)) state.SkipWithError("engine not found");
        }
        benchmark::DoNotOptimize(chart);
    }
    state.SetItemsProcessed(state.iterations() * kChartsPerRound);
}

constexpr int kBodies[] = {SE_SUN,     SE_MOON,      SE_MERCURY,  SE_VENUS,   SE_MARS,
                           SE_JUPITER, SE_SATURN,    SE_URANUS,   SE_NEPTUNE, SE_PLUTO,
                           SE_CHIRON,  SE_MEAN_NODE, SE_MEAN_APOG};

double rawCharts() {
    char error[AS_MAXCH];
    double sum = 0.0;
    for (int i = 0; i < kChartsPerRound; ++i) {
        const Moment m = moment(i);
        const double jd =
            swe_julday(m.year, m.month, m.day, m.hour + m.minute / 60.0 - m.zone, SE_GREG_CAL);
        double xx[6];
        for (int body : kBodies) {
            swe_calc_ut(jd, body, SEFLG_SWIEPH | SEFLG_SPEED, xx, error);
            sum += xx[0];
        }
        double cusps[13];
        double ascmc[10];
        swe_houses_ex(jd, 0, m.latitude, m.longitude, 'P', cusps, ascmc);
        sum += cusps[1];
    }
    return sum;
}

void BM_RawSwissEphemeris(benchmark::State& state) {
    swe_set_ephe_path(const_cast<char*>(ORVANTA_APP_DIR));
    double sum = 0.0;
    for (auto _ : state) sum += rawCharts();
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * kChartsPerRound);
}

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

// Both ways in turn, round by round, so that the load of a shared machine falls on both alike:
// the counters give each one's charts per second and their ratio.
void BM_BatchAgainstRaw(benchmark::State& state) {
    orvanta::AppFolder::setOverride(ORVANTA_APP_DIR);
    const std::string input = records();
    NullBuffer nothing;
    std::ostream out(&nothing);
    orvanta::cli::BatchResultWriter writer(out, orvanta::cli::BatchResultWriter::Format::Csv);
    double batchSeconds = 0.0;
    double rawSeconds = 0.0;
    double sum = 0.0;
    for (auto _ : state) {
        std::istringstream in(input);
        const double start = threadCpuSeconds();
        orvanta::cli::BatchCommand::process(in, writer, out, 0);
        const double middle = threadCpuSeconds();
        sum += rawCharts();
        rawSeconds += threadCpuSeconds() - middle;
        batchSeconds += middle - start;
    }
    benchmark::DoNotOptimize(sum);
    const double charts = static_cast<double>(state.iterations()) * kChartsPerRound;
    state.counters["batch_charts_per_s"] = charts / batchSeconds;
    state.counters["raw_charts_per_s"] = charts / rawSeconds;
    state.counters["batch_to_raw"] = rawSeconds / batchSeconds;
}

}  // namespace

BENCHMARK(BM_BatchPath)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartComputationOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawSwissEphemeris)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchAgainstRaw)->Unit(benchmark::kMillisecond)->MinTime(5.0);
BENCHMARK_MAIN();
