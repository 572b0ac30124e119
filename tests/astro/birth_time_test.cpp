// Universal time of birth and signed coordinates, as both engines form them.
#include <gtest/gtest.h>

#include "astro/engine/birth_coordinates.h"
#include "astro/engine/planets/chart_angles.h"
#include "worked_births.h"

namespace {

using zentara::BirthMoment;

BirthMoment Place(int latDegrees, int latMinutes, bool south, int lonDegrees, int lonMinutes, bool east,
                  int zoneHours, int zoneMinutes) {
  BirthMoment birth = zentara::testing::WorkedChartBirth();  // 14:30 local time
  birth.LatitudeDegrees = static_cast<std::int16_t>(latDegrees);
  birth.LatitudeMinutes = static_cast<std::int16_t>(latMinutes);
  birth.SouthOfEquator = south;
  birth.LongitudeDegrees = static_cast<std::int16_t>(lonDegrees);
  birth.LongitudeMinutes = static_cast<std::int16_t>(lonMinutes);
  birth.EastOfGreenwich = east;
  birth.ZoneHours = static_cast<std::int16_t>(zoneHours);
  birth.ZoneMinutes = static_cast<std::int16_t>(zoneMinutes);
  return birth;
}

TEST(UniversalTimeOfBirth, FourHemispheres) {
  struct Case {
    const char* place;
    BirthMoment birth;
    double universalTime;  // hours, for 14:30 local time
    double latitude;       // signed degrees
    double longitude;      // signed degrees, positive west
  };
  const Case cases[] = {
      {"28N36 77E12, zone 5:30", Place(28, 36, false, 77, 12, true, 5, 30), 14.5 - 5.5, 28.6, -77.2},
      {"40N43 74W00, zone 5:00", Place(40, 43, false, 74, 0, false, 5, 0), 14.5 + 5, 40 + 43 / 60.0, 74},
      {"33S52 151E12, zone 10:00", Place(33, 52, true, 151, 12, true, 10, 0), 14.5 - 10, -(33 + 52 / 60.0),
       -151.2},
      {"34S36 58W22, zone 3:00", Place(34, 36, true, 58, 22, false, 3, 0), 14.5 + 3, -34.6, 58 + 22 / 60.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(zentara::UniversalTimeOfBirth(c.birth), c.universalTime) << c.place;
    EXPECT_EQ(zentara::modPlanetPosition_Western::CalculateAngles(c.birth).BirthUniversalTime, c.universalTime)
        << c.place;
    EXPECT_DOUBLE_EQ(zentara::SignedLatitude(c.birth), c.latitude) << c.place;
    EXPECT_DOUBLE_EQ(zentara::SignedLongitude(c.birth), c.longitude) << c.place;
  }
}

TEST(UniversalTimeOfBirth, DaylightSavingIsOneHourEarlierOnBothSides) {
  for (const bool east : {true, false}) {
    BirthMoment birth = Place(28, 36, false, 77, 13, east, 5, 30);
    const double standard = zentara::UniversalTimeOfBirth(birth);
    birth.DaylightSaving = true;
    EXPECT_EQ(zentara::UniversalTimeOfBirth(birth), standard - 1) << (east ? "east" : "west");
    EXPECT_EQ(zentara::ZoneAfterDaylightSaving(birth), east ? 6.5 : 4.5) << (east ? "east" : "west");
  }
}

TEST(UniversalTimeOfBirth, DirectionFollowsTheLongitude) {
  struct Case {
    const char* what;
    BirthMoment birth;
    double universalTime;
  };
  BirthMoment afterMidnight = Place(28, 36, false, 77, 13, true, 5, 30);
  afterMidnight.Hour = 1;
  afterMidnight.Minute = 30;
  BirthMoment greenwich = Place(51, 28, false, 0, 0, false, 1, 0);
  BirthMoment greenwichEastFlag = greenwich;  // 0° 0' "East" is still not below 0
  greenwichEastFlag.EastOfGreenwich = true;
  BirthMoment justWest = Place(51, 28, false, 0, 30, false, 1, 0);  // a zone ahead of Greenwich
  const Case cases[] = {
      {"01:30, 5:30 east: before the local date began", afterMidnight, -4.0},
      {"longitude 0 0 counts as west", greenwich, 15.5},
      {"longitude 0 0 with the east flag counts as west", greenwichEastFlag, 15.5},
      {"just west of Greenwich, zone +1", justWest, 15.5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(zentara::UniversalTimeOfBirth(c.birth), c.universalTime) << c.what;
  }
}

}  // namespace
