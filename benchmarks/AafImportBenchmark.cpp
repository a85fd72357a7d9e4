// An AAF file of 1,000 records made into chart files: reading, the birth data of each record,
// the chart computed through the engine and saved. Half the records carry #B93, half are
// placed and zoned from the world atlas. items_per_second = records/s; the goal is the whole
// file in under 2 s.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "birthdata/TimeChangeBase.h"
#include "birthdata/WorldAtlas.h"
#include "common/AppFolder.h"
#include "doc/AafImport.h"

namespace {

constexpr int kRecords = 1000;
const char* const kCities[] = {"Москва", "Берлин", "Париж", "Лондон", "Токио"};

std::string aafFile() {
    std::ostringstream text;
    for (int i = 0; i < kRecords; ++i) {
        text << "#A93:Клиент " << i << ",*,*," << 1 + i % 28 << "." << 1 + i % 12 << "."
             << 1900 + (i * 7) % 120 << "," << i % 24 << ":" << (i * 13) % 60 << ","
             << kCities[i % 5] << ",*\n";
        if (i % 2 == 0)
            text << "#B93:*," << i % 60 << "n" << i % 60 << "," << i % 170 << "w07," << i % 12
                 << "hw00,0\n";
    }
    return text.str();
}

void BM_ImportThousandRecords(benchmark::State& state) {
    orvanta::AppFolder::setOverride(ORVANTA_APP_DIR);
    const std::string text = aafFile();
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                              text.size());
    orvanta::PlaceBase places;
    orvanta::TimeChangeBase changes;
    changes.load(orvanta::AppFolder::find(orvanta::TimeChangeBase::kFileName));
    const orvanta::PlaceFinder finder(places, &orvanta::WorldAtlas::shared());
    const auto folder = std::filesystem::temp_directory_path() /
                        ("orvanta-aaf-bench-" + std::to_string(::getpid()));
    std::size_t created = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        state.ResumeTiming();
        created = orvanta::AafImport(&finder, changes).run(bytes, folder).created.size();
    }
    std::filesystem::remove_all(folder);
    if (created != kRecords) state.SkipWithError("not every record became a chart");
    state.SetItemsProcessed(state.iterations() * kRecords);
}

}  // namespace

BENCHMARK(BM_ImportThousandRecords)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
