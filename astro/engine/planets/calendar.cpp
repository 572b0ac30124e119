#include "astro/engine/planets/calendar.h"

namespace zentara::modPlanetPosition_Western {

namespace {

// The largest integer not above numerator / denominator (denominator > 0).
long long FloorDivide(long long numerator, long long denominator) {
  const long long quotient = numerator / denominator;
  return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

// The last day number still counted in the Julian calendar.
constexpr long long LastJulianCalendarDay = 2299171;

}  // namespace

double JulianDayNumber(int month, int day, int year) {
  const long long m = 12LL * (year + 4800) + month - 3;
  long long j = FloorDivide(2 * (m - 12 * FloorDivide(m, 12)) + 7 + 365 * m, 12) + day +
                FloorDivide(m, 48) - 32083;
  if (j > LastJulianCalendarDay) j = j + FloorDivide(m, 4800) - FloorDivide(m, 1200) + 38;
  return static_cast<double>(j);
}

CivilDate CivilDateOfDayNumber(long long julianDayNumber) {
  // Richards's constants for the Gregorian calendar: y 4716, j 1401, m 2,
  // n 12, r 4, p 1461, v 3, u 5, s 153, w 2, B 274277, C -38.
  const long long f = julianDayNumber + 1401 + (FloorDivide(4 * julianDayNumber + 274277, 146097) * 3) / 4 - 38;
  const long long e = 4 * f + 3;
  const long long g = (e % 1461) / 4;
  const long long h = 5 * g + 2;
  CivilDate date;
  date.Day = static_cast<int>((h % 153) / 5 + 1);
  date.Month = static_cast<int>((h / 153 + 2) % 12 + 1);
  date.Year = static_cast<int>(e / 1461 - 4716 + (12 + 2 - date.Month) / 12);
  return date;
}

double DayNumberJ2000(int year, int month, int day, int hour, int minute) {
  // The whole-day part is exact in integers, as it is in doubles.
  const long long wholeDays = 367LL * year - FloorDivide(7LL * (year + FloorDivide(month + 9, 12)), 4) +
                              FloorDivide(275LL * month, 9) + day;
  return static_cast<double>(wholeDays) - 730531.5 + (hour + minute / 60.0) / 24;
}

}  // namespace zentara::modPlanetPosition_Western
