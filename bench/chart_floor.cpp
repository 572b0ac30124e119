// One partner's chart (the worked birth of 15 August 1975) computed COUNT times
// (default 100), for bench/chart_floor.sh to count the instructions of
// ComputeCharts under callgrind.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "astro/engine/birth_moment.h"
#include "astro/match/astro_match.h"

namespace {

using namespace zentara;

// The engines' three steps, as PartnerChart in chart_bench.cpp times them.
[[gnu::noinline]] std::size_t ComputeCharts(const BirthMoment& birth, long count) {
  std::size_t characters = 0;
  for (long i = 0; i < count; ++i) characters += CalculatePartnerChart(birth, true)[0].size();
  return characters;
}

}  // namespace

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100;
  const BirthMoment birth{.Month = 8, .Day = 15, .Year = 1975, .Hour = 14, .Minute = 30,
                          .ZoneHours = 5, .ZoneMinutes = 30, .DaylightSaving = false,
                          .LongitudeDegrees = 77, .LongitudeMinutes = 13, .EastOfGreenwich = true,
                          .LatitudeDegrees = 28, .LatitudeMinutes = 36, .SouthOfEquator = false};
  std::printf("%ld charts, %zu characters in their Sun slots\n", count, ComputeCharts(birth, count));
  return 0;
}
