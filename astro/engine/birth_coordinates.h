// The signed working values both astronomy engines form from a BirthMoment.
//
// Longitude is positive west and negative east of Greenwich; latitude is
// positive north and negative south. The zone table carries no sign, so the
// direction of the zone offset follows the longitude's side of Greenwich: east
// means the clock runs ahead of universal time, west (and exactly 0) behind.
#pragma once
#include "astro/engine/birth_moment.h"

namespace zentara {

// Hour + Minute / 60.
double LocalClockHours(const BirthMoment& birth);

// LongitudeDegrees + LongitudeMinutes / 60, negated east of Greenwich.
double SignedLongitude(const BirthMoment& birth);

// LatitudeDegrees + LatitudeMinutes / 60, negated south of the equator.
double SignedLatitude(const BirthMoment& birth);

// ZoneHours + ZoneMinutes / 60; with daylight saving one hour more east of
// Greenwich and one hour less otherwise, so universal time comes out one hour
// earlier either way.
double ZoneAfterDaylightSaving(const BirthMoment& birth);

// Universal time of birth in hours, relative to the local calendar date: local
// time minus the zone east of Greenwich, plus the zone otherwise. It is not
// reduced, so it may fall below 0 or reach 24 and above.
double UniversalTimeOfBirth(const BirthMoment& birth);

}  // namespace zentara
