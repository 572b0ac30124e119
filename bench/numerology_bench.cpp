// Timing of each numerology reading in the pure library, from the twelve
// entries to the report's text (or, for the comprehensive reading, its runs):
// the checks, the numbers and keys, the paragraph look-up and the text; and of
// a saved reading written and read back (the file's bytes, no disk).
#include <benchmark/benchmark.h>

#include "numerology/numerology_entries.h"
#include "numerology/pair_numbers.h"
#include "numerology/reading_reports.h"
#include "reports/saved_reading.h"

namespace {

using namespace zentara;

constexpr std::string_view kSite = "https://www.qm-zentara.example";

NumerologyEntries WorkedEntries() {
  return NumerologyEntries{.maleFirst = "John", .maleMiddle = "Paul", .maleLast = "Smith",
                           .femaleFirst = "Mary", .femaleMiddle = "Ann", .femaleLast = "Smith",
                           .maleMonth = "March", .maleDay = "15", .maleYear = "1988",
                           .femaleMonth = "January", .femaleDay = "1", .femaleYear = "1970"};
}

void LifePathReading(benchmark::State& state) {
  const NumerologyEntries entries = WorkedEntries();
  for (auto _ : state) {
    if (CheckNumerologyEntries(entries)) state.SkipWithError("the worked entries fail the checks");
    const std::string text = LifePathReadingText(FindLifePathPair(entries), kSite);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(LifePathReading);

void DestinyReading(benchmark::State& state) {
  const NumerologyEntries entries = WorkedEntries();
  for (auto _ : state) {
    if (CheckNumerologyEntries(entries)) state.SkipWithError("the worked entries fail the checks");
    const std::string text = DestinyReadingText(FindDestinyPair(entries), kSite);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(DestinyReading);

void ComprehensiveReading(benchmark::State& state) {
  const NumerologyEntries entries = WorkedEntries();
  for (auto _ : state) {
    if (CheckNumerologyEntries(entries)) state.SkipWithError("the worked entries fail the checks");
    const ReportRuns runs = ComprehensiveReadingRuns(FindLifePathPair(entries), FindDestinyPair(entries), kSite);
    benchmark::DoNotOptimize(runs.data());
  }
}
BENCHMARK(ComprehensiveReading);

void SavedReadingRoundTrip(benchmark::State& state) {
  const NumerologyEntries entries = WorkedEntries();
  for (auto _ : state) {
    const std::string bytes = EncodeSavedReading(entries);
    const NumerologyEntries back = DecodeSavedReading(bytes);
    benchmark::DoNotOptimize(back.femaleYear.data());
  }
}
BENCHMARK(SavedReadingRoundTrip);

}  // namespace

BENCHMARK_MAIN();
