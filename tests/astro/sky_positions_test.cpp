// The positions true to the sky: every point of 300 seeded moments against
// the reference numbers kept in tests/data/sky_reference.txt (made by
// bench/sky_accuracy.sh --keep from Swiss Ephemeris, which is never built or
// shipped); Delta T at published years; Pluto's series against its worked
// example; the ascendant in the east beyond the polar circle; and a chart of
// date taken through the astro match.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "astro/engine/sky/delta_t.h"
#include "astro/engine/sky/pluto_series.h"
#include "astro/engine/sky/sky_positions.h"
#include "astro/match/astro_match.h"
#include "astro/match/chart_wheel.h"
#include "../gui/worked_couple.h"

namespace {

using zentara::LunarNode;
using namespace zentara::sky;

// How far an unrounded position may stand from the reference's, arc-minutes,
// by the accuracy of its theory: a shown position (cut to the minute) is then
// within half a minute more.
constexpr double CloseArcminutes = 0.25;     // the Sun, Moon, Mercury, Venus, Neptune, Pluto, mean node, angles
constexpr double PlanetArcminutes = 1.75;    // Mars to Uranus, eraPlan94's mean elements and their perturbations
constexpr double TrueNodeArcminutes = 1.25;  // the osculating node, from the Moon's velocity

double ArcMinutesApart(double a, double b) {
  double d = std::fabs(a - b);
  if (d > 180) d = 360 - d;
  return d * 60;
}

TEST(SkyPositions, AgreeWithTheKeptReferenceAtEveryPoint) {
  std::ifstream in(ZENTARA_TEST_DATA_DIR "/sky_reference.txt");
  ASSERT_TRUE(in) << "tests/data/sky_reference.txt";
  const char* names[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus",
                         "Neptune", "Pluto", "mean node", "true node", "ascendant", "midheaven"};
  const double tolerance[] = {CloseArcminutes, CloseArcminutes, CloseArcminutes, CloseArcminutes,
                              PlanetArcminutes, PlanetArcminutes, PlanetArcminutes, PlanetArcminutes,
                              CloseArcminutes, CloseArcminutes, CloseArcminutes, TrueNodeArcminutes,
                              CloseArcminutes, CloseArcminutes};
  std::string line;
  int moments = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    SkyMoment moment;
    double expected[14];
    fields >> moment.julianDayUt >> moment.latitude >> moment.longitude;
    for (double& value : expected) fields >> value;
    ASSERT_TRUE(fields) << line;
    const SkyChart mean = ComputeSkyChart(moment, LunarNode::Mean);
    const SkyChart truth = ComputeSkyChart(moment, LunarNode::True);
    for (int point = 0; point < 14; ++point) {
      // The reference lists both nodes before the angles; the chart, one node and its opposite.
      const double actual = point < 11 ? mean.longitudes[point]
                            : point == 11 ? truth.longitudes[zentara::NorthNodeSlot]
                                          : mean.longitudes[point];
      EXPECT_LE(ArcMinutesApart(actual, expected[point]), tolerance[point])
          << names[point] << " at JD " << moment.julianDayUt << ", " << moment.latitude << ", " << moment.longitude
          << ": " << actual << " against " << expected[point];
    }
    EXPECT_NEAR(std::fmod(mean.longitudes[zentara::SouthNodeSlot] + 180, 360), mean.longitudes[zentara::NorthNodeSlot],
                1e-9);
    ++moments;
  }
  EXPECT_EQ(moments, 300);
}

TEST(SkyPositions, DeltaTAtPublishedYears) {
  // Delta T measured at the start of these years, seconds (the Astronomical
  // Almanac's table; the IERS's from 2005), with the tolerance the
  // polynomials are given to, before the measured years.
  struct Year {
    double year, seconds, tolerance;
  };
  constexpr Year years[] = {
      {1900.0, -2.72, 0.5}, {1920.0, 21.16, 0.5}, {1950.0, 29.15, 0.5}, {1975.0, 45.48, 0.5},
      {2000.0, 63.83, 0.5}, {2010.0, 66.07, 0.01}, {2020.0, 69.36, 0.01},
  };
  for (const Year& y : years) {
    EXPECT_NEAR(DeltaTSeconds(y.year), y.seconds, y.tolerance) << y.year;
  }
  // Beyond the last measured year, on at the average rate of 2000 to 2024.
  EXPECT_NEAR(DeltaTSeconds(2050.0), 69.18 + 26 * 0.223, 0.001);
}

TEST(SkyPositions, PlutoAsMeeusWorksItOut) {
  // Astronomical Algorithms, 2nd ed., example 37.a: 1992 October 13.0 TD,
  // to the five decimals the book gives.
  const PlutoPosition pluto = PlutoHeliocentric(2448908.5);
  EXPECT_NEAR(pluto.longitude, 232.74071, 0.000005);
  EXPECT_NEAR(pluto.latitude, 14.58782, 0.000005);
  EXPECT_NEAR(pluto.radius, 29.71111, 0.000005);
}

TEST(SkyPositions, TheAscendantRisesInTheEastBeyondThePolarCircle) {
  // At 75 degrees north through a whole sidereal day: the ascendant is on the
  // horizon, and east of the meridian.
  constexpr double Degree = std::numbers::pi / 180;
  for (int step = 0; step < 96; ++step) {
    const SkyMoment moment{2451545.0 + step / 96.0, 75.0, 10.0};
    const SkyChart chart = ComputeSkyChart(moment, LunarNode::Mean);
    const double ascendant = chart.longitudes[zentara::AscendantSlot] * Degree, e = chart.trueObliquity * Degree;
    const double rightAscension = std::atan2(std::sin(ascendant) * std::cos(e), std::cos(ascendant));
    const double declination = std::asin(std::sin(ascendant) * std::sin(e));
    const double hourAngle = chart.localSiderealTime * Degree - rightAscension, latitude = 75 * Degree;
    const double altitude =
        std::asin(std::sin(latitude) * std::sin(declination) + std::cos(latitude) * std::cos(declination) * std::cos(hourAngle));
    EXPECT_NEAR(altitude / Degree, 0, 1e-9) << "step " << step;
    EXPECT_LT(std::sin(hourAngle), 0) << "step " << step << ": the ascendant is west of the meridian";
  }
}

TEST(SkyPositions, TheMatchOfDateShowsThemCutToTheMinute) {
  // The worked couple of date: each slot text is its position true to the sky
  // cut to the minute; the default keeps its own.
  const auto ofDate = zentara::CalculateAstroMatch(testing_support::JohnAndMary(),
                                                   {.PositionsEquinox = zentara::Equinox::OfDate});
  const auto j2000 = zentara::CalculateAstroMatch(testing_support::JohnAndMary());
  ASSERT_TRUE(ofDate && j2000);
  EXPECT_EQ(ofDate->Male[zentara::SunSlot], "21 Leo 55");
  EXPECT_EQ(j2000->Male[zentara::SunSlot], "22 Leo 15");
  const SkyChart sky = ComputeSkyChart({JulianDayUt(1975, 8, 15, 9.0), 28 + 36 / 60.0, 77 + 13 / 60.0}, LunarNode::Mean);
  for (std::size_t slot = 0; slot < zentara::FilledChartSlotCount; ++slot) {
    const auto shown = zentara::ReadSlotText(ofDate->Male[slot]);
    ASSERT_TRUE(shown) << ofDate->Male[slot];
    EXPECT_NEAR(shown->Longitude, std::floor(sky.longitudes[slot] * 60) / 60, 1e-9) << "slot " << slot;
  }
}

}  // namespace
