// Births used by several astronomy tests.
#pragma once
#include "astro/engine/birth_moment.h"

namespace zentara::testing {

// 15 August 1975, 14:30 local time, zone 5 h 30 min, no daylight saving,
// 28° 36' north, 77° 13' east: universal time 9.0 h, day number -8905.125.
inline BirthMoment WorkedChartBirth() {
  return BirthMoment{.Month = 8, .Day = 15, .Year = 1975, .Hour = 14, .Minute = 30,
                     .ZoneHours = 5, .ZoneMinutes = 30, .DaylightSaving = false,
                     .LongitudeDegrees = 77, .LongitudeMinutes = 13, .EastOfGreenwich = true,
                     .LatitudeDegrees = 28, .LatitudeMinutes = 36, .SouthOfEquator = false};
}

// A birth at Greenwich (longitude 0° 0', counted as west) in zone 0.
inline BirthMoment GreenwichBirth(int year, int month, int day, int hour, int minute) {
  return BirthMoment{.Month = static_cast<std::int16_t>(month), .Day = static_cast<std::int16_t>(day),
                     .Year = static_cast<std::int16_t>(year), .Hour = static_cast<std::int16_t>(hour),
                     .Minute = static_cast<std::int16_t>(minute)};
}

}  // namespace zentara::testing
