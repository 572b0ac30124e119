// Geocentric longitudes of the Sun, the planets and the lunar nodes.
#include <gtest/gtest.h>

#include <string>

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

}  // namespace
