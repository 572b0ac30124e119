#include "astro/engine/birth_coordinates.h"

namespace zentara {

double LocalClockHours(const BirthMoment& birth) {
  return birth.Hour + birth.Minute / 60.0;
}

double SignedLongitude(const BirthMoment& birth) {
  const double longitude = birth.LongitudeDegrees + birth.LongitudeMinutes / 60.0;
  return birth.EastOfGreenwich ? -longitude : longitude;
}

double SignedLatitude(const BirthMoment& birth) {
  const double latitude = birth.LatitudeDegrees + birth.LatitudeMinutes / 60.0;
  return birth.SouthOfEquator ? -latitude : latitude;
}

double ZoneAfterDaylightSaving(const BirthMoment& birth) {
  double zone = birth.ZoneHours + birth.ZoneMinutes / 60.0;
  if (birth.DaylightSaving) {
    zone = SignedLongitude(birth) < 0 ? zone + 1 : zone - 1;
  }
  return zone;
}

double UniversalTimeOfBirth(const BirthMoment& birth) {
  const double localTime = LocalClockHours(birth);
  const double zone = ZoneAfterDaylightSaving(birth);
  return SignedLongitude(birth) < 0 ? localTime - zone : localTime + zone;
}

}  // namespace zentara
