// The collection over 10,000 generated chart files: the first listing (no index, every file
// read), a listing after (the index trusted, only the folder scanned) and a keystroke of the
// filter. Goals: under 1 s, under 0.2 s and under 20 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "doc/ChartCollection.h"
#include "doc/MapFile.h"

namespace {

constexpr int kCharts = 10000;
const char* const kNames[] = {"Анна", "Борис", "Вера", "Глеб", "Дарья", "Ефим", "Жанна"};
const char* const kPlaces[] = {"Москва", "Казань", "Омск", "Berlin", "Рига"};

// The charts are made once per process and kept for all the benchmarks.
const std::filesystem::path& chartFolder() {
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("orvanta-collection-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path / "charts");
        for (int i = 0; i < kCharts; ++i) {
            orvanta::NatalChart natal;
            natal.birth.name = std::string(kNames[i % 7]) + " " + std::to_string(i);
            natal.birth.place = kPlaces[i % 5];
            natal.birth.year = 1900 + i % 120;
            const auto bytes = orvanta::MapFile::serialize(natal);
            std::ofstream(path / "charts" / (std::to_string(i) + ".map"), std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
        }
        return path;
    }();
    return folder;
}

void BM_FirstListing(benchmark::State& state) {
    const auto& folder = chartFolder();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(folder / "index");
        orvanta::ChartCollection collection(folder / "index");
        state.ResumeTiming();
        if (collection.refresh({folder / "charts"}).read != kCharts) state.SkipWithError("unread");
    }
}

void BM_ListingFromIndex(benchmark::State& state) {
    const auto& folder = chartFolder();
    orvanta::ChartCollection(folder / "index").refresh({folder / "charts"});
    for (auto _ : state) {
        orvanta::ChartCollection collection(folder / "index");
        if (collection.refresh({folder / "charts"}).reused != kCharts) state.SkipWithError("read");
    }
}

void BM_FilterKeystroke(benchmark::State& state) {
    const auto& folder = chartFolder();
    orvanta::ChartCollection collection(folder / "index");
    collection.refresh({folder / "charts"});
    for (auto _ : state) benchmark::DoNotOptimize(collection.filter("вера 19"));
}

void removeCharts() {
    std::filesystem::remove_all(chartFolder());
}

}  // namespace

BENCHMARK(BM_FirstListing)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListingFromIndex)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    removeCharts();
    benchmark::Shutdown();
    return 0;
}
