// The Moon's longitude and its zodiac position text.
#include <gtest/gtest.h>

#include <string>

#include "astro/engine/moon/moon_position.h"
#include "astro/engine/planets/calendar.h"
#include "worked_births.h"

namespace {

using namespace zentara::modEphemeris_Western;
using zentara::BirthMoment;
using zentara::testing::GreenwichBirth;
using zentara::testing::WorkedChartBirth;

// The worked longitudes are given to five decimals.
constexpr double FiveDecimalRounding = 0.000005;  // degrees
// The worked T is given to thirteen decimals.
constexpr double ThirteenDecimalRounding = 0.00000000000005;  // Julian centuries

TEST(MoonPosition, WorkedBirths) {
  BirthMoment worked = WorkedChartBirth();
  BirthMoment workedWithDaylightSaving = worked;
  workedWithDaylightSaving.DaylightSaving = true;
  struct Case {
    const char* what;
    BirthMoment birth;
    double longitude;
    const char* text;
  };
  const Case cases[] = {
      {"1992-04-12 00:00 Greenwich", GreenwichBirth(1992, 4, 12, 0, 0), 133.15808, "13° 9' 29\" Leo"},
      {"2000-01-01 12:00 Greenwich", GreenwichBirth(2000, 1, 1, 12, 0), 223.31610, "13° 18' 57\" Sco"},
      {"1975-08-15 14:30 zone 5:30 77E13", worked, 247.71436, "7° 42' 51\" Sag"},
      {"the same with daylight saving", workedWithDaylightSaving, 247.16672, "7° 10' 0\" Sag"},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(MoonLongitude(c.birth), c.longitude, FiveDecimalRounding) << c.what;
    EXPECT_EQ(CalculateMoonPosition(c.birth), c.text) << c.what;
  }
}

TEST(MoonPosition, CenturiesOfTheWorkedBirths) {
  EXPECT_EQ(zentara::modPlanetPosition_Western::JulianDayNumber(4, 12, 1992), 2448725);
  EXPECT_NEAR(CenturiesSince2000(GreenwichBirth(1992, 4, 12, 0, 0)), -0.0772210814511, ThirteenDecimalRounding);
  EXPECT_EQ(CenturiesSince2000(GreenwichBirth(2000, 1, 1, 12, 0)), 0.0);
}

TEST(MoonPosition, NegativeUniversalTimeCountsBackIntoThePreviousDay) {
  // 01:30 at 5:30 east is 20:00 universal time of the day before.
  BirthMoment east = WorkedChartBirth();
  east.Hour = 1;
  east.Minute = 30;
  constexpr double SameInstantTolerance = 1e-12;  // Julian centuries
  EXPECT_NEAR(CenturiesSince2000(east), CenturiesSince2000(GreenwichBirth(1975, 8, 14, 20, 0)),
              SameInstantTolerance);
}

}  // namespace
