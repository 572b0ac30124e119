#include "astro/engine/moon/moon_position.h"

#include <cmath>

#include "astro/engine/planets/angles.h"
#include "astro/engine/planets/calendar.h"
#include "astro/engine/planets/zodiac_text.h"

namespace zentara::modEphemeris_Western {

namespace {

using modPlanetPosition_Western::DegToRad;  // the engines' one degree in radians

// One periodic term: coefficient (degrees) x sin(d D + m M + m' M' + f F),
// multiplied by the eccentricity factor E when `TimesE`.
struct LongitudeTerm {
  double Coefficient;
  int D, M, MoonM, F;
  bool TimesE;
};

// Meeus, Astronomical Algorithms, chapter "Position of the Moon", table of the
// periodic terms for the Moon's longitude: its first 25 rows, in its order.
constexpr LongitudeTerm MoonLongitudeTerms[] = {
    //  coefficient  D   M   M'  F   x E        argument
    {+6.288774, 0,  0,  1,  0, false},  //  1  M'
    {+1.274027, 2,  0, -1,  0, false},  //  2  2D - M'
    {+0.658314, 2,  0,  0,  0, false},  //  3  2D
    {+0.213618, 0,  0,  2,  0, false},  //  4  2M'
    {-0.185116, 0,  1,  0,  0, true},   //  5  M
    {-0.114332, 0,  0,  0,  2, false},  //  6  2F
    {+0.058793, 2,  0, -2,  0, false},  //  7  2D - 2M'
    {+0.057066, 2, -1, -1,  0, true},   //  8  2D - M - M'
    {+0.053322, 2,  0,  1,  0, false},  //  9  2D + M'
    {+0.045758, 2, -1,  0,  0, true},   // 10  2D - M
    {-0.040923, 0,  1, -1,  0, true},   // 11  M - M'
    {-0.034720, 1,  0,  0,  0, false},  // 12  D
    {-0.030383, 0,  1,  1,  0, true},   // 13  M + M'
    {+0.015327, 2,  0,  0, -2, false},  // 14  2D - 2F
    {-0.012528, 0,  0,  1,  2, false},  // 15  M' + 2F
    {+0.010980, 0,  0,  1, -2, false},  // 16  M' - 2F
    {+0.010675, 4,  0, -1,  0, false},  // 17  4D - M'
    {+0.010034, 0,  0,  3,  0, false},  // 18  3M'
    {+0.008548, 4,  0, -2,  0, false},  // 19  4D - 2M'
    {-0.007888, 2,  1, -1,  0, true},   // 20  2D + M - M'
    {-0.006766, 2,  1,  0,  0, true},   // 21  2D + M
    {-0.005163, 1,  0, -1,  0, false},  // 22  D - M'
    {+0.004987, 1,  1,  0,  0, true},   // 23  D + M
    {+0.004036, 2, -1,  1,  0, true},   // 24  2D - M + M'
    {+0.003994, 2,  0,  2,  0, false},  // 25  2D + 2M'
};

// The term's argument. Its multiples are added in the order D, M, M', F, the
// order in which the series writes them; a zero multiple adds nothing and a
// multiple of -1 subtracts, so the sum rounds exactly as the written argument.
double Argument(const LongitudeTerm& term, double d, double m, double moonM, double f) {
  return term.D * d + term.M * m + term.MoonM * moonM + term.F * f;
}

}  // namespace

namespace {

double CenturiesSince2000(const ChartInstant& instant) {
  const double u = instant.UniversalHours;
  const double j = modPlanetPosition_Western::JulianDayNumber(instant.Month, instant.Day, instant.Year);
  return (j - 2451545 + u / 24 - 0.5) / 36525;
}

}  // namespace

double CenturiesSince2000(const BirthMoment& birth) { return CenturiesSince2000(InstantOfBirth(birth)); }

double MoonLongitude(const BirthMoment& birth) { return MoonLongitude(InstantOfBirth(birth)); }

double MoonLongitude(const ChartInstant& instant) {
  const double t = CenturiesSince2000(instant);

  // Mean elements, degrees, each linear in T.
  const double meanLongitude = 218.3164591 + 481267.88134236 * t;           // L'
  const double elongation = (297.8502042 + 445267.1115168 * t) * DegToRad;  // D
  const double sunAnomaly = (357.5291092 + 35999.0502909 * t) * DegToRad;   // M
  const double moonAnomaly = (134.9634114 + 477198.8676313 * t) * DegToRad; // M'
  const double latitudeArgument = (93.2720993 + 483202.0175273 * t) * DegToRad;  // F
  // Eccentricity of the Earth's orbit, as a factor on the terms that hold M.
  const double e = 1 - 0.002516 * t - 0.0000074 * (t * t);

  double sum = 0;
  for (const LongitudeTerm& term : MoonLongitudeTerms) {
    const double argument = Argument(term, elongation, sunAnomaly, moonAnomaly, latitudeArgument);
    double value = term.Coefficient * std::sin(argument);
    if (term.TimesE) value = value * e;
    sum += value;
  }

  double longitude = meanLongitude + sum;
  return modPlanetPosition_Western::SubtractTurnsWhileAbove360(
      modPlanetPosition_Western::AddTurnsWhileBelow0(longitude));
}

std::string CalculateMoonPosition(const BirthMoment& birth) {
  return modPlanetPosition_Western::FormatZodiacPosition(MoonLongitude(birth));
}

}  // namespace zentara::modEphemeris_Western
