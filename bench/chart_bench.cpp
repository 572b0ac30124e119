// Timing of one partner's whole chart, of a couple's whole astro match and of
// zentara-cli chart's read-compute-print path (command line read by CLI11,
// JSON written by nlohmann-json), for the worked birth of 15 August 1975; of
// the chart over many different births, as a batch of couples computes it; of
// the aspects between two charts, for the worked couple and for many; and of
// the composite and Davison charts beside one chart.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "astro/engine/moon/moon_position.h"
#include "astro/engine/planets/chart_angles.h"
#include "astro/engine/planets/chart_table.h"
#include "astro/match/synastry_texts.h"
#include "astro/match/synastry.h"
#include "astro/match/astro_match.h"
#include "astro/match/relationship_charts.h"
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

// The astro form's entries of a couple: the worked birth for him, 2 January
// 1978, 6:05 in New York (Eastern Standard Time, row 27) for her.
AstroEntries WorkedCouple() {
  AstroEntries couple;
  couple.Male = AstroPartnerEntries{.Name = "John", .DayPosition = 14, .MonthPosition = 7,
                                    .YearPosition = 1975 - AstroFirstYear, .HourPosition = 14,
                                    .MinutePosition = 30, .ZoneRow = 34, .LatitudeDegrees = "28",
                                    .LatitudeMinutes = "36", .LongitudeDegrees = "77", .LongitudeMinutes = "13",
                                    .City = "Delhi", .State = "Delhi", .Country = "India"};
  couple.Female = AstroPartnerEntries{.Name = "Mary", .DayPosition = 1, .MonthPosition = 0,
                                      .YearPosition = 1978 - AstroFirstYear, .HourPosition = 6,
                                      .MinutePosition = 5, .ZoneRow = 27,
                                      .LatitudeDegrees = "40", .LatitudeMinutes = "42",
                                      .LongitudeDegrees = "74", .LongitudeMinutes = "0",
                                      .LongitudeDirection = EastWest::West, .City = "New York",
                                      .State = "New York", .Country = "USA"};
  return couple;
}

// The whole match of a couple from the form's entries: both births made from
// the entries, both charts and the score, into one result kept from run to run.
void AstroMatch(benchmark::State& state) {
  const AstroEntries couple = WorkedCouple();
  if (CheckAstroEntries(couple)) {
    state.SkipWithError("the worked couple fails the form's checks");
    return;
  }
  AstroMatchResult result;
  for (auto _ : state) {
    if (!CalculateAstroMatch(couple, result)) state.SkipWithError("the worked couple makes no births");
    benchmark::DoNotOptimize(result.Score.Percentage);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(AstroMatch);

// The charts of the relationship for the worked couple. The composite from
// both charts with their houses already cast, as the report frame has them:
// the midpoints and their texts. The Davison chart with its Placidus houses,
// beside one partner's chart with its houses, in each mode (0 the default, 1
// of date).
AstroMatchResult WorkedMatch(Equinox equinox) {
  return *CalculateAstroMatch(WorkedCouple(), {equinox, LunarNode::Mean});
}

void Composite(benchmark::State& state) {
  const AstroMatchResult match = WorkedMatch(Equinox::J2000);
  const ChartHouses his = CastChartHouses(match.MaleHouseBasis, HouseSystem::Placidus);
  const ChartHouses hers = CastChartHouses(match.FemaleHouseBasis, HouseSystem::Placidus);
  for (auto _ : state) {
    const RelationshipChart chart = CompositeOf(match.MaleLongitudes, match.FemaleLongitudes, his, hers);
    benchmark::DoNotOptimize(chart.Positions.data());
  }
}
BENCHMARK(Composite);

// The worked couple's Davison chart stands beyond the polar circle, where
// Placidus falls back to the cheaper Porphyry: this one, with her born in
// Mumbai, stands in India, between the two.
void DavisonWithHouses(benchmark::State& state) {
  AstroEntries couple = WorkedCouple();
  couple.Female.LatitudeDegrees = "19", couple.Female.LatitudeMinutes = "4";
  couple.Female.LongitudeDegrees = "72", couple.Female.LongitudeMinutes = "52";
  couple.Female.LongitudeDirection = EastWest::East;
  couple.Female.ZoneRow = 34;
  const AstroMatchResult match =
      *CalculateAstroMatch(couple, {state.range(0) == 0 ? Equinox::J2000 : Equinox::OfDate, LunarNode::Mean});
  for (auto _ : state) {
    const RelationshipChart chart = DavisonChart(match, HouseSystem::Placidus);
    benchmark::DoNotOptimize(chart.Positions.data());
  }
}
BENCHMARK(DavisonWithHouses)->Arg(0)->Arg(1);

void PartnerChartWithHouses(benchmark::State& state) {
  const BirthMoment birth = WorkedBirth();
  const ChartOptions options{state.range(0) == 0 ? Equinox::J2000 : Equinox::OfDate, LunarNode::Mean};
  for (auto _ : state) {
    PartnerChartDetails details;
    const ChartPositions& chart = CalculatePartnerChart(birth, true, &details, options);
    const ChartHouses houses = CastChartHouses(details.Houses, HouseSystem::Placidus);
    benchmark::DoNotOptimize(chart.data());
    benchmark::DoNotOptimize(houses.Cusps.data());
  }
}
BENCHMARK(PartnerChartWithHouses)->Arg(0)->Arg(1);

// `count` births spread as bench/match_batch_bench.sh spreads its couples: any
// year of the list, days 1 to 28, every hour, minute and zone size, both
// hemispheres. A fixed linear congruential sequence keeps them the same.
std::vector<BirthMoment> VariedBirths(std::size_t count) {
  std::uint64_t state = 20240601;
  const auto next = [&state](int below) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::int16_t>((state >> 33) % static_cast<std::uint64_t>(below));
  };
  std::vector<BirthMoment> births(count);
  for (BirthMoment& birth : births) {
    birth = BirthMoment{.Month = static_cast<std::int16_t>(1 + next(12)),
                        .Day = static_cast<std::int16_t>(1 + next(28)),
                        .Year = static_cast<std::int16_t>(1901 + next(150)), .Hour = next(24), .Minute = next(60),
                        .ZoneHours = next(14), .ZoneMinutes = static_cast<std::int16_t>(30 * next(2)),
                        .DaylightSaving = next(10) < 3, .LongitudeDegrees = next(180), .LongitudeMinutes = next(60),
                        .EastOfGreenwich = next(2) == 1, .LatitudeDegrees = next(90), .LatitudeMinutes = next(60),
                        .SouthOfEquator = next(2) == 1};
  }
  return births;
}

// The three engine steps for a different birth each time: the same work as
// PartnerChart, without one birth's branches and table look-ups learnt by the
// processor.
void VariedPartnerCharts(benchmark::State& state) {
  const std::vector<BirthMoment> births = VariedBirths(4096);
  std::size_t next = 0;
  for (auto _ : state) {
    const BirthMoment& birth = births[next++ % births.size()];
    const auto angles = modPlanetPosition_Western::CalculateAngles(birth);
    const std::string moon = modEphemeris_Western::CalculateMoonPosition(birth);
    const ChartPositions& chart = modPlanetPosition_Western::CalculateChart(birth, angles, moon, next % 2 == 0);
    benchmark::DoNotOptimize(chart.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(VariedPartnerCharts);

// The aspects of the worked couple's two charts, into a list kept from run to run.
void CoupleAspects(benchmark::State& state) {
  AstroMatchResult match;
  if (!CalculateAstroMatch(WorkedCouple(), match)) state.SkipWithError("the worked couple makes no births");
  std::vector<Aspect> aspects;
  for (auto _ : state) {
    FindAspects(match.Male, match.Female, DefaultAspectOrbs, aspects);
    benchmark::DoNotOptimize(aspects.data());
    benchmark::ClobberMemory();
  }
  state.counters["aspects"] = static_cast<double>(aspects.size());
}
BENCHMARK(CoupleAspects);

// The same for a different couple each run, and written as the batch's column
// writes them: what --aspects adds to each row of match --batch.
void VariedCoupleAspects(benchmark::State& state) {
  const std::vector<BirthMoment> births = VariedBirths(4096);
  std::vector<ChartPositions> charts;
  for (std::size_t i = 0; i < births.size(); ++i) charts.push_back(CalculatePartnerChart(births[i], i % 2 == 0));
  std::vector<Aspect> aspects;
  std::string column;
  std::size_t next = 0;
  for (auto _ : state) {
    const ChartPositions& male = charts[next++ % charts.size()];
    const ChartPositions& female = charts[next++ % charts.size()];
    FindAspects(male, female, DefaultAspectOrbs, aspects);
    column.clear();
    AppendAspectList(aspects, column);
    benchmark::DoNotOptimize(column.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(VariedCoupleAspects);

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
