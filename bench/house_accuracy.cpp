// The house cusps against a modern ephemeris's: seeded random skies and
// moments to give the reference programs (bench/reference/swe_house_cusps.c
// and swe_positions.c), the comparisons with their output, and this program's
// time for one chart's Placidus cusps. bench/house_accuracy.sh runs them.
//
//   zentara-bench-houses skies N SEED FROM TO   N lines "SIDEREAL_TIME LATITUDE OBLIQUITY",
//                                               |latitude| from FROM to TO degrees, either hemisphere
//   zentara-bench-houses sample SEED            the test's sample: 120 random skies within 66
//                                               degrees, and the equator, 60, 66 and beyond the
//                                               polar circles at eight sidereal times each,
//                                               and either side of the polar circle
//   zentara-bench-houses compare FILE           the formulas against swe_house_cusps's output
//   zentara-bench-houses charts FILE            whole charts of date against swe_positions's output
//   zentara-bench-houses time FILE ROUNDS       microseconds of CPU for one chart's Placidus cusps
//
// Both reference outputs carry the systems in the order of the letters
// P K R C O E W, this program's AllHouseSystems.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "astro/engine/houses/house_cusps.h"
#include "astro/engine/sky/sky_positions.h"

namespace {

using zentara::AllHouseSystems;
using zentara::HouseSky;
using zentara::HouseSystem;
constexpr std::size_t Systems = AllHouseSystems.size();

struct SystemCusps {
  bool failed = false;
  double cusps[12] = {};
};

// The shorter way round between two longitudes, arc-minutes.
double ArcMinutes(double a, double b) {
  double d = std::fabs(a - b);
  if (d > 180) d = 360 - d;
  return d * 60;
}

// Whole minutes between two longitudes each cut to the minute, the shorter way round.
long CutMinutesApart(double a, double b) {
  const long m = std::labs(static_cast<long>(std::floor(a * 60)) - static_cast<long>(std::floor(b * 60)));
  return std::min(m, 21600 - m);
}

int Skies(int count, unsigned seed, double from, double to) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> time(0, 360), size(from, to), obliquity(23.0, 24.0);
  std::bernoulli_distribution south(0.5);
  for (int i = 0; i < count; ++i) {
    const double t = time(random), latitude = size(random), e = obliquity(random);
    std::printf("%.9f %.9f %.9f\n", t, south(random) ? -latitude : latitude, e);
  }
  return 0;
}

int Sample(unsigned seed) {
  Skies(120, seed, 0, 66);
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> time(0, 360), obliquity(23.4, 23.5);
  for (const double latitude : {0.0, 60.0, -60.0, 66.0, -66.0, 67.0, -70.0, 75.0, -80.0, 89.0}) {
    for (int k = 0; k < 8; ++k) std::printf("%.9f %.9f %.9f\n", time(random), latitude, obliquity(random));
  }
  // Either side of the polar circle at an obliquity of 23.44 degrees (66.56).
  for (const double latitude : {66.55, -66.55, 66.57, -66.57}) std::printf("%.9f %.9f 23.44\n", time(random), latitude);
  return 0;
}

bool ReadSystems(std::istringstream& fields, SystemCusps (&systems)[Systems], bool withStatus) {
  for (SystemCusps& s : systems) {
    int status = 0;
    if (withStatus) fields >> status;
    s.failed = status != 0;
    for (double& c : s.cusps) fields >> c;
  }
  return static_cast<bool>(fields);
}

void PrintTable(const char* unit, const std::vector<double> (&errors)[Systems]) {
  std::printf("%-14s %9s %9s %9s   (%s)\n", "system", "mean", "99th", "max", unit);
  for (std::size_t s = 0; s < Systems; ++s) {
    std::vector<double> e = errors[s];
    if (e.empty()) continue;
    std::sort(e.begin(), e.end());
    double sum = 0;
    for (const double x : e) sum += x;
    std::printf("%-14s %9.6f %9.6f %9.6f\n", std::string(zentara::HouseSystemTitle(AllHouseSystems[s])).c_str(),
                sum / static_cast<double>(e.size()), e[e.size() * 99 / 100], e.back());
  }
}

int Compare(const char* path) {
  std::ifstream in(path);
  std::string line;
  std::vector<double> errors[Systems];
  int skies = 0, fallbackDisagrees = 0, fallbacks = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    HouseSky sky;
    fields >> sky.siderealTime >> sky.latitude >> sky.obliquity;
    SystemCusps reference[Systems];
    if (!ReadSystems(fields, reference, true)) continue;
    ++skies;
    for (std::size_t s = 0; s < Systems; ++s) {
      const zentara::HouseCusps ours = zentara::CastHouseCusps(AllHouseSystems[s], sky);
      const bool fellBack = ours.used != AllHouseSystems[s];
      fallbacks += fellBack;
      if (fellBack != reference[s].failed) {
        ++fallbackDisagrees;
        std::printf("fallback differs: %s at %s\n", std::string(zentara::HouseSystemName(AllHouseSystems[s])).c_str(),
                    line.substr(0, 40).c_str());
      }
      double worst = 0;
      for (int c = 0; c < 12; ++c) worst = std::max(worst, ArcMinutes(ours.cusps[c], reference[s].cusps[c]));
      errors[s].push_back(worst);
    }
  }
  std::printf("%d skies; the worst cusp of each sky, arc-minutes from the reference's\n", skies);
  PrintTable("arc-minutes", errors);
  std::printf("Porphyry in place of the system: %d times; where the reference differs: %d\n", fallbacks,
              fallbackDisagrees);
  return fallbackDisagrees == 0 ? 0 : 1;
}

int Charts(const char* path) {
  std::ifstream in(path);
  std::string line;
  std::vector<double> errors[Systems];
  int charts = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    zentara::sky::SkyMoment moment;
    fields >> moment.julianDayUt >> moment.latitude >> moment.longitude;
    double skip;
    for (int k = 0; k < 17; ++k) fields >> skip;  // the bodies, the angles, the obliquity and Delta T
    SystemCusps reference[Systems];
    if (!ReadSystems(fields, reference, false)) continue;
    ++charts;
    const zentara::sky::SkyChart chart = zentara::sky::ComputeSkyChart(moment, zentara::LunarNode::Mean);
    const HouseSky sky{chart.localSiderealTime, chart.trueObliquity, moment.latitude};
    const zentara::EclipticAngles angles{chart.longitudes[zentara::AscendantSlot],
                                         chart.longitudes[zentara::MidheavenSlot]};
    for (std::size_t s = 0; s < Systems; ++s) {
      const zentara::HouseCusps ours = zentara::CastHouseCusps(AllHouseSystems[s], sky, angles);
      long worst = 0;
      for (int c = 0; c < 12; ++c) worst = std::max(worst, CutMinutesApart(ours.cusps[c], reference[s].cusps[c]));
      errors[s].push_back(static_cast<double>(worst));
    }
  }
  std::printf("%d charts of date; the worst cusp of each chart, whole minutes between the two cut to the minute\n",
              charts);
  PrintTable("minutes", errors);
  return 0;
}

int Time(const char* path, int rounds) {
  std::ifstream in(path);
  std::vector<HouseSky> skies;
  HouseSky sky;
  while (in >> sky.siderealTime >> sky.latitude >> sky.obliquity) {
    skies.push_back(sky);
    in.ignore(1 << 20, '\n');
  }
  const std::clock_t start = std::clock();
  double sink = 0;
  for (int round = 0; round < rounds; ++round) {
    for (const HouseSky& s : skies) sink += zentara::CastHouseCusps(HouseSystem::Placidus, s).cusps[1];
  }
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  std::printf("%.3f%s\n", seconds * 1e6 / (static_cast<double>(rounds) * static_cast<double>(skies.size())),
              sink == 0 ? " " : "");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "skies" && argc == 6) {
    return Skies(std::atoi(argv[2]), static_cast<unsigned>(std::atoi(argv[3])), std::atof(argv[4]),
                 std::atof(argv[5]));
  }
  if (mode == "sample" && argc == 3) return Sample(static_cast<unsigned>(std::atoi(argv[2])));
  if (mode == "compare" && argc == 3) return Compare(argv[2]);
  if (mode == "charts" && argc == 3) return Charts(argv[2]);
  if (mode == "time" && argc == 4) return Time(argv[2], std::atoi(argv[3]));
  std::fprintf(stderr,
               "usage: zentara-bench-houses skies N SEED FROM TO | sample SEED | compare FILE | charts FILE | time FILE ROUNDS\n");
  return 2;
}
