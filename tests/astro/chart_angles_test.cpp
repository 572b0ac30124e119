// The ascendant and the midheaven from the sidereal time.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/engine/planets/angles.h"
#include "astro/engine/planets/chart_angles.h"
#include "astro/engine/planets/zodiac_text.h"

namespace {

using namespace zentara::modPlanetPosition_Western;

// The truncated pi and RadToDeg put the ascendant at RAMC = 0 on the equator at
// 89.99999999999987 degrees rather than 90.
constexpr double TruncatedConstantTolerance = 1e-12;  // degrees

TEST(ChartAngles, SiderealZeroOnTheEquator) {
  const double obliquity = ObliquityOfEcliptic(0.75);
  EXPECT_EQ(MidheavenLongitude(0, obliquity), 0.0);  // 0° Aries
  const double ascendant = AscendantLongitude(0, obliquity, 0);
  EXPECT_NEAR(ascendant, 90.0, TruncatedConstantTolerance);  // 0° Cancer
  // ... but just short of it, as the truncated constants put it.
  EXPECT_EQ(FormatZodiacPosition(ascendant), "29° 59' 59\" Gem");
}

TEST(ChartAngles, MidheavenInTheQuadrantOfTheSiderealTimeAndAscendantEastOfIt) {
  const double obliquity = ObliquityOfEcliptic(0.75);
  for (const double latitude : {-50.0, -20.0, 0.0, 28.6, 55.0}) {
    for (double ramcDegrees = 5; ramcDegrees < 360; ramcDegrees += 10) {
      const double ramc = ramcDegrees * DegToRad;
      const double midheaven = MidheavenLongitude(ramc, obliquity);
      const double ascendant = AscendantLongitude(ramc, obliquity, latitude);
      EXPECT_EQ(std::floor(midheaven / 90), std::floor(ramcDegrees / 90))
          << "RAMC " << ramcDegrees << ": midheaven " << midheaven;
      const double eastOfMidheaven = std::fmod(ascendant - midheaven + 360, 360);
      EXPECT_GT(eastOfMidheaven, 0) << "RAMC " << ramcDegrees << ", latitude " << latitude << ": ascendant "
                                    << ascendant << ", midheaven " << midheaven;
      EXPECT_LT(eastOfMidheaven, 180) << "RAMC " << ramcDegrees << ", latitude " << latitude << ": ascendant "
                                      << ascendant << ", midheaven " << midheaven;
      EXPECT_GE(ascendant, 0) << "RAMC " << ramcDegrees << ", latitude " << latitude;
      EXPECT_LT(ascendant, 360) << "RAMC " << ramcDegrees << ", latitude " << latitude;
    }
  }
}

}  // namespace
