// Geocentric longitudes of the Sun, the planets and the lunar nodes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/engine/planets/angles.h"
#include "astro/engine/planets/kepler.h"
#include "astro/engine/planets/lunar_nodes.h"
#include "astro/engine/planets/planet_elements.h"
#include "astro/engine/planets/planet_longitude.h"
#include "astro/engine/planets/zodiac_text.h"

namespace {

using namespace zentara::modPlanetPosition_Western;

// The longitudes at d = 0 are listed rounded to two decimals.
constexpr double HundredthRounding = 0.005;  // degrees
// Saturn at d = 0 is known to four decimals, 40.2147 degrees.
constexpr double TenThousandthRounding = 0.00005;  // degrees

std::string SlotText(double longitude) { return FormatSlotText(FormatZodiacPosition(longitude)); }

TEST(PlanetLongitude, AtTheJ2000Epoch) {
  struct Case {
    PlanetBody body;
    const char* name;
    double expected;
    double tolerance;
  };
  const Case cases[] = {
      {Earth, "Sun", 280.38, HundredthRounding},
      {Mercury, "Mercury", 271.91, HundredthRounding},
      {Venus, "Venus", 241.58, HundredthRounding},
      {Mars, "Mars", 327.98, HundredthRounding},
      {Jupiter, "Jupiter", 25.36, HundredthRounding},
      {Saturn, "Saturn", 40.2147, TenThousandthRounding},
      {Uranus, "Uranus", 314.79, HundredthRounding},
      {Neptune, "Neptune", 303.19, HundredthRounding},
      {Pluto, "Pluto", 251.45, HundredthRounding},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(PlanetLongitude(c.body, 0), c.expected, c.tolerance) << c.name << " at d = 0";
  }
  EXPECT_EQ(SlotText(PlanetLongitude(Earth, 0)), "10 Cap 22");
  EXPECT_EQ(SlotText(PlanetLongitude(Saturn, 0)), "10 Tau 12");
}

TEST(LunarNodes, AtTheJ2000Epoch) {
  const double rahu = NorthNodeLongitude(0);
  EXPECT_NEAR(rahu, 124.12, HundredthRounding);
  EXPECT_DOUBLE_EQ(SouthNodeLongitude(rahu), rahu + 180);
}

TEST(LunarNodes, MeanNodeJustAboveZeroDegrees) {
  // The day on which the mean node 125.1228 - 0.0529538083 d stands at 0.5
  // degrees: one degree less puts Rahu in late Pisces, and Ketu in late Virgo.
  const double d = (125.1228 - 0.5) / 0.0529538083;
  const double rahu = NorthNodeLongitude(d);
  const double ketu = SouthNodeLongitude(rahu);
  EXPECT_GT(rahu, 359) << "d " << d;
  EXPECT_LT(rahu, 360) << "d " << d;
  EXPECT_GT(ketu, 179) << "d " << d;
  EXPECT_LT(ketu, 180) << "d " << d;
  EXPECT_EQ(SlotText(rahu), "29 Pis 29") << "Rahu " << rahu;
  EXPECT_EQ(SlotText(ketu), "29 Vir 29") << "Ketu " << ketu;
}

TEST(SolveKepler, SatisfiesKeplersEquation) {
  // The true anomaly turned back into the eccentric and mean anomalies must
  // give the mean anomaly put in.
  constexpr double AnomalyTolerance = 1e-11;  // radians
  for (const double e : {0.0, 0.0167, 0.2056, 0.2488}) {
    for (double m = 0.05; m < FullTurn; m += 0.4) {
      const double v = SolveKepler(m, e);
      ASSERT_GE(v, 0) << "M " << m << ", e " << e;
      ASSERT_LT(v, FullTurn) << "M " << m << ", e " << e;
      const double eccentricAnomaly = ReduceRadians(2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2)));
      const double meanAnomaly = eccentricAnomaly - e * std::sin(eccentricAnomaly);
      EXPECT_NEAR(meanAnomaly, m, AnomalyTolerance) << "M " << m << ", e " << e << ", v " << v;
    }
  }
}

TEST(PlanetElements, RatesAreAppliedPerCentury) {
  // One Julian century after the epoch each element has moved by its rate.
  constexpr double ElementTolerance = 1e-12;
  const OrbitalElements epoch = PlanetElements(Mars, 0);
  const OrbitalElements century = PlanetElements(Mars, 36525);
  EXPECT_NEAR(epoch.SemiMajorAxis, 1.52366231, ElementTolerance);
  EXPECT_NEAR(century.SemiMajorAxis - epoch.SemiMajorAxis, -0.00007221, ElementTolerance);
  EXPECT_NEAR(century.Eccentricity - epoch.Eccentricity, 0.00011902, ElementTolerance);
  EXPECT_NEAR((century.Perihelion - epoch.Perihelion) / DegToRad, 1560.78 / 3600, ElementTolerance);
  EXPECT_NEAR(epoch.MeanLongitude / DegToRad, 355.45332, ElementTolerance);
}

}  // namespace
