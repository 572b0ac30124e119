// The positions true to the sky against a modern ephemeris: seeded random
// moments to give the reference program (bench/reference/swe_positions.c),
// the comparison of this program's positions with its output, and this
// program's time a chart. bench/sky_accuracy.sh runs the three in turn.
//
//   zentara-bench-sky moments N SEED     N moments "JD_UT LATITUDE LONGITUDE",
//                                        1901 to 2050, latitudes within 60 degrees
//   zentara-bench-sky compare FILE       the accuracy table against the reference's output
//   zentara-bench-sky time FILE ROUNDS   microseconds of CPU a chart over FILE's moments
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

#include "astro/engine/sky/sky_positions.h"

namespace {

using zentara::LunarNode;
using zentara::sky::ComputeSkyChart;
using zentara::sky::SkyMoment;

// One line of the reference: the moment, then its longitudes in the order the
// reference writes them.
struct Reference {
  SkyMoment moment;
  double sun, moon, planets[8], meanNode, trueNode, ascendant, midheaven;
};

std::vector<Reference> ReadReference(const char* path) {
  std::vector<Reference> all;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    Reference r{};
    fields >> r.moment.julianDayUt >> r.moment.latitude >> r.moment.longitude >> r.sun >> r.moon;
    for (double& planet : r.planets) fields >> planet;
    fields >> r.meanNode >> r.trueNode >> r.ascendant >> r.midheaven;
    if (fields) all.push_back(r);
  }
  return all;
}

// The shorter way round between two longitudes, arc-minutes.
double ArcMinutes(double a, double b) {
  double d = std::fabs(a - b);
  if (d > 180) d = 360 - d;
  return d * 60;
}

// The position as the program shows it, cut to the minute, read as the
// middle of its minute.
double Shown(double longitude) { return (std::floor(longitude * 60) + 0.5) / 60; }

int Moments(int count, unsigned seed) {
  std::mt19937_64 random(seed);
  // 1901 January 1 to 2050 December 31, a whole minute of universal time.
  const double first = zentara::sky::JulianDayUt(1901, 1, 1, 0), last = zentara::sky::JulianDayUt(2051, 1, 1, 0);
  std::uniform_int_distribution<long long> minute(0, static_cast<long long>((last - first) * 1440) - 1);
  std::uniform_int_distribution<int> latitude(-60 * 60, 60 * 60), longitude(-180 * 60, 180 * 60);
  for (int i = 0; i < count; ++i) {
    std::printf("%.6f %.6f %.6f\n", first + static_cast<double>(minute(random)) / 1440,
                static_cast<double>(latitude(random)) / 60, static_cast<double>(longitude(random)) / 60);
  }
  return 0;
}

int Compare(const char* path) {
  const std::vector<Reference> all = ReadReference(path);
  if (all.empty()) {
    std::fprintf(stderr, "no reference lines in %s\n", path);
    return 1;
  }
  constexpr int Points = 14;
  const char* names[Points] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus",
                               "Neptune", "Pluto", "Mean node", "True node", "Ascendant", "Midheaven"};
  std::vector<double> errors[Points], unrounded[Points];
  int wholeDegree[Points] = {};
  for (const Reference& r : all) {
    const auto mean = ComputeSkyChart(r.moment, LunarNode::Mean).longitudes;
    const auto truth = ComputeSkyChart(r.moment, LunarNode::True).longitudes;
    const double ours[Points] = {mean[0], mean[1], mean[2], mean[3], mean[4], mean[5], mean[6], mean[7],
                                 mean[8], mean[9], mean[10], truth[10], mean[12], mean[13]};
    const double theirs[Points] = {r.sun, r.moon, r.planets[0], r.planets[1], r.planets[2], r.planets[3],
                                   r.planets[4], r.planets[5], r.planets[6], r.planets[7], r.meanNode,
                                   r.trueNode, r.ascendant, r.midheaven};
    for (int p = 0; p < Points; ++p) {
      errors[p].push_back(ArcMinutes(Shown(ours[p]), theirs[p]));
      unrounded[p].push_back(ArcMinutes(ours[p], theirs[p]));
      if (std::floor(ours[p]) != std::floor(theirs[p])) ++wholeDegree[p];
    }
  }
  std::printf("%zu moments; arc-minutes between the position shown (cut to the minute, read as its middle)\n"
              "and the reference's unrounded one: mean, 95th percentile and largest; the share of charts\n"
              "whose whole degree differs; and the same three for the unrounded position\n",
              all.size());
  std::printf("%-10s %7s %7s %7s %8s | %7s %7s %7s\n", "point", "mean", "95th", "max", "degree%", "mean", "95th",
              "max");
  const auto stats = [](std::vector<double>& e, double* out) {
    std::sort(e.begin(), e.end());
    double sum = 0;
    for (const double x : e) sum += x;
    out[0] = sum / static_cast<double>(e.size()), out[1] = e[e.size() * 95 / 100], out[2] = e.back();
  };
  for (int p = 0; p < Points; ++p) {
    double shown[3], raw[3];
    stats(errors[p], shown);
    stats(unrounded[p], raw);
    std::printf("%-10s %7.3f %7.3f %7.3f %8.2f | %7.3f %7.3f %7.3f\n", names[p], shown[0], shown[1], shown[2],
                100.0 * wholeDegree[p] / static_cast<double>(errors[p].size()), raw[0], raw[1], raw[2]);
  }
  return 0;
}

int Time(const char* path, int rounds) {
  const std::vector<Reference> all = ReadReference(path);
  std::clock_t start = std::clock();
  double sink = 0;
  for (int round = 0; round < rounds; ++round) {
    for (const Reference& r : all) sink += ComputeSkyChart(r.moment, LunarNode::Mean).longitudes[0];
  }
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  std::printf("%.3f%s\n", seconds * 1e6 / (static_cast<double>(rounds) * static_cast<double>(all.size())),
              sink == 0 ? " " : "");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "moments" && argc == 4) return Moments(std::atoi(argv[2]), static_cast<unsigned>(std::atoi(argv[3])));
  if (mode == "compare" && argc == 3) return Compare(argv[2]);
  if (mode == "time" && argc == 4) return Time(argv[2], std::atoi(argv[3]));
  std::fprintf(stderr, "usage: zentara-bench-sky moments N SEED | compare FILE | time FILE ROUNDS\n");
  return 2;
}
