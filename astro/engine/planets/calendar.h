// Day counts shared by the planetary and the lunar engine.
#pragma once

namespace zentara::modPlanetPosition_Western {

// The Julian Day Number of a calendar date at noon. Day numbers up to 2299171
// are counted in the Julian calendar and later ones in the Gregorian calendar,
// so 1582 October 4 gives 2299160 and 1582 October 16 gives 2299162. The day is
// not checked against the month: a day past the month's end counts on into the
// next month.
double JulianDayNumber(int month, int day, int year);

// The Gregorian calendar date of a Julian Day Number (the day that begins at
// its noon's midnight before): the inverse of JulianDayNumber from 1582
// October 15 on. E. G. Richards's algorithm (Explanatory Supplement to the
// Astronomical Almanac, 3rd ed. 2013, section 15.11.3).
struct CivilDate {
  int Year = 2000, Month = 1, Day = 1;
};
CivilDate CivilDateOfDayNumber(long long julianDayNumber);

// Days since 2000 January 1, 12:00 (so that moment gives 0). The formula has
// no century correction; hours outside 0 to 23 simply shift the result.
double DayNumberJ2000(int year, int month, int day, int hour, int minute);

}  // namespace zentara::modPlanetPosition_Western
