// Timing of loading the atlas of places and of searches over all of it: a
// whole name, one letter (the longest run of keys, as at the first keystroke),
// a name narrowed by region, a name nothing matches, and the closest names to
// misspelt ones.
#include <benchmark/benchmark.h>

#include <string>

#include "astro/places/atlas.h"
#include "astro/places/atlas_location.h"

namespace {

using namespace zentara::places;

void AtlasLoad(benchmark::State& state) {
  std::string error;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto atlas = Atlas::Load(AtlasPath(), error);
    if (!atlas) {
      state.SkipWithError(error.c_str());
      return;
    }
    bytes = atlas->MemoryBytes();
    benchmark::DoNotOptimize(atlas.get());
  }
  state.counters["atlas_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(AtlasLoad)->Unit(benchmark::kMillisecond);

void Search(benchmark::State& state, PlaceQuery query) {
  const LoadedAtlas& loaded = SharedAtlas();
  if (!loaded.atlas) {
    state.SkipWithError(loaded.error.c_str());
    return;
  }
  for (auto _ : state) {
    const auto matches = loaded.atlas->Search(query);
    benchmark::DoNotOptimize(matches.data());
  }
}
BENCHMARK_CAPTURE(Search, whole_name, PlaceQuery{"London", "", "", 10})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, one_letter, PlaceQuery{"s", "", "", 10})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, narrowed, PlaceQuery{"Springfield", "Illinois", "United States", 10})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, no_match, PlaceQuery{"zzqqxxj", "", "", 10})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, comma, PlaceQuery{"Springfield, Ill", "", "", 10})->Unit(benchmark::kMicrosecond);

void Suggest(benchmark::State& state, PlaceQuery query) {
  const LoadedAtlas& loaded = SharedAtlas();
  if (!loaded.atlas) {
    state.SkipWithError(loaded.error.c_str());
    return;
  }
  for (auto _ : state) {
    const auto names = loaded.atlas->SuggestNames(query);
    benchmark::DoNotOptimize(names.data());
  }
}
BENCHMARK_CAPTURE(Suggest, six_letters, PlaceQuery{"Chicgo", "", "", 10})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Suggest, eleven_letters, PlaceQuery{"Philadelfia", "", "", 10})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
