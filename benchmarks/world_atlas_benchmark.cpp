// The places offered while the user types a birth place: the user's places first, then the
// atlas cities whose name begins with the text, the most populous first. The list follows the
// typing when one search stays well under 5 ms.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "birthdata/WorldAtlas.h"

namespace {

using namespace orvanta;

const PlaceBase& deliveredPlaces() {
    static const PlaceBase places = [] {
        PlaceBase base;
        base.load(std::filesystem::path(ORVANTA_APP_DIR) / PlaceBase::kFileName);
        return base;
    }();
    return places;
}

// One letter matches the most cities; four letters are what a user types before choosing.
const char* const kPrefixes[] = {"С", "Мо", "Екат", "нью-й"};

void atlasSearch(benchmark::State& state) {
    const WorldAtlas& atlas = WorldAtlas::shared();
    const char* prefix = kPrefixes[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(atlas.search(prefix, 12));
    state.SetLabel(prefix);
}
BENCHMARK(atlasSearch)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void placesOffered(benchmark::State& state) {
    const PlaceFinder finder(deliveredPlaces(), &WorldAtlas::shared());
    const char* prefix = kPrefixes[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(finder.suggest(prefix, 12));
    state.SetLabel(prefix);
}
BENCHMARK(placesOffered)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
