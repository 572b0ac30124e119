// A chart's moment and place as the engines take them, whatever they come
// from: a birth on the entry form (whole minutes, a zone row, whole-minute
// coordinates) or a moment worked out from other charts (the midpoint of two
// births in time and space), to a fraction of a second and of a degree.
#pragma once
#include "astro/engine/birth_moment.h"

namespace zentara {

struct ChartInstant {
  // A calendar date (Gregorian), and the hours of universal time counted from
  // its midnight: for a birth, the local date and the universal time of birth,
  // which may run below 0 or to 24 and past, as the engines have always taken
  // them. Any year the calendar formulas take; the engines are made for
  // 1900 to 2050.
  int Year = 2000, Month = 1, Day = 1;
  double UniversalHours = 0;
  double Latitude = 0;   // degrees, north positive
  double Longitude = 0;  // degrees, east positive
};

// The instant of a birth as the entry form gives it: its local date, its
// universal time of birth and its signed coordinates, exactly the numbers the
// engines have always formed from it.
ChartInstant InstantOfBirth(const BirthMoment& birth);

}  // namespace zentara
