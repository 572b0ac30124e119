// Timing of one partner's whole chart and of zentara-cli chart's
// read-compute-print path (command line read by CLI11, JSON written by
// nlohmann-json), for the worked birth of 15 August 1975.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "astro/engine/moon/moon_position.h"
#include "astro/engine/planets/chart_angles.h"
#include "astro/engine/planets/chart_table.h"
#include "cli/commands.h"

namespace {

using namespace zentara;

BirthMoment WorkedBirth() {
  return BirthMoment{.Month = 8, .Day = 15, .Year = 1975, .Hour = 14, .Minute = 30,
                     .ZoneHours = 5, .ZoneMinutes = 30, .DaylightSaving = false,
                     .LongitudeDegrees = 77, .LongitudeMinutes = 13, .EastOfGreenwich = true,
                     .LatitudeDegrees = 28, .LatitudeMinutes = 36, .SouthOfEquator = false};
}

// The three engine steps in the driver's order.
void PartnerChart(benchmark::State& state) {
  const BirthMoment birth = WorkedBirth();
  for (auto _ : state) {
    const auto angles = modPlanetPosition_Western::CalculateAngles(birth);
    const std::string moon = modEphemeris_Western::CalculateMoonPosition(birth);
    const ChartPositions& chart = modPlanetPosition_Western::CalculateChart(birth, angles, moon, true);
    benchmark::DoNotOptimize(chart.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(PartnerChart);

void ChartCommandPath(benchmark::State& state, bool json) {
  std::vector<std::string> words = {"chart", "--date", "1975-08-15", "--time", "14:30", "--zone", "34",
                                    "--lat", "28N36",  "--lon",  "77E13"};
  if (json) words.push_back("--json");
  std::ostringstream out;
  std::ostringstream err;
  for (auto _ : state) {
    out.str("");
    const int status = cli::RunCli(words, {out, err});
    benchmark::DoNotOptimize(status);
    benchmark::DoNotOptimize(out.str().size());
  }
  if (out.str().empty()) state.SkipWithError("the chart command printed nothing");
}
BENCHMARK_CAPTURE(ChartCommandPath, text, false);
BENCHMARK_CAPTURE(ChartCommandPath, json, true);

}  // namespace

BENCHMARK_MAIN();
