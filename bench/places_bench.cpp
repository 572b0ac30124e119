// The library's share of the desktop's first look-up; timing of opening the
// atlas of places (mapping it and the checks made then) and of searches over
// all of it: a
// whole name, one letter (the longest run of keys, as at the first keystroke),
// a name narrowed by region, a name nothing matches, and the closest names to
// misspelt ones.
#include <benchmark/benchmark.h>

#include <string>

#include "astro/places/atlas.h"
#include "astro/places/atlas_location.h"
#include "astro/match/form_entry.h"
#include "astro/places/zoneinfo_offsets.h"
#include "astro/match/place_lookup.h"

namespace {

using namespace zentara::places;

// Must run first in its process (--benchmark_filter=FirstPlaceList): the
// library's whole share of the desktop's first look-up, from nothing open to
// the list's entries: the atlas opened, the look-up window's first search
// (Delhi, in the state Delhi, India), each place's offset at a birth time (its
// zone's file read on the way) and the form's entries.
void FirstPlaceList(benchmark::State& state) {
  std::size_t places = 0;
  for (auto _ : state) {
    const LoadedAtlas& loaded = SharedAtlas();
    if (!loaded.atlas) {
      state.SkipWithError(loaded.error.c_str());
      return;
    }
    const zentara::PlaceLookupResult result = zentara::LookUpPlaces(*loaded.atlas, "Delhi", "Delhi", "India");
    const TzdbTimeZoneRules rules;
    for (const PlaceMatch& match : result.matches) {
      benchmark::DoNotOptimize(EntriesForPlace(loaded.atlas->PlaceAt(match.place), rules, {1975, 8, 15, 14, 30}));
    }
    places = result.matches.size();
  }
  state.counters["places"] = static_cast<double>(places);
}
BENCHMARK(FirstPlaceList)->Iterations(1)->Unit(benchmark::kMillisecond);

void AtlasLoad(benchmark::State& state) {
  std::string error;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto atlas = Atlas::Load(AtlasPath(), error);
    if (!atlas) {
      state.SkipWithError(error.c_str());
      return;
    }
    bytes = atlas->MappedBytes();
    benchmark::DoNotOptimize(atlas.get());
  }
  state.counters["mapped_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
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
