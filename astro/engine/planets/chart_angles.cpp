#include "astro/engine/planets/chart_angles.h"

#include <cmath>

#include "astro/engine/planets/angles.h"
#include "astro/engine/planets/calendar.h"
#include "astro/engine/planets/zodiac_text.h"

namespace zentara::modPlanetPosition_Western {

double CenturiesSince1900(double julianDay, double universalTime) {
  return ((julianDay - 2415020) + universalTime / 24 - 0.5) / 36525;
}

double RightAscensionOfMidheaven(double centuries, double universalTime, double longitude) {
  // Greenwich mean sidereal time at 0h universal time in hours, from Newcomb
  // as the Explanatory Supplement to the Astronomical Ephemeris (1961) gives
  // it: 6h 38m 45.836s + 8640184.542s T + 0.0929s T^2, T in Julian centuries
  // from 1900 January 0.5; then the hours since 0h, all turned to degrees.
  const double t = centuries;
  double sidereal = (6.6460656 + 2400.0513 * t + 0.0000258 * t * t + universalTime) * 15 - longitude;
  // A negative value is left as it is: only its sine, cosine and tangent are used.
  sidereal = SubtractTurnsWhileAtLeast360(sidereal);
  return sidereal * DegToRad;
}

double ObliquityOfEcliptic(double centuries) {
  // Newcomb's mean obliquity, 23 deg 27' 08.26" - 46.845" T from 1900 (the
  // same Supplement), to its first power in T.
  return (23.452294 - 0.0130125 * centuries) * DegToRad;
}

double MidheavenLongitude(double ramc, double obliquity) {
  double m = QuadrantArcTangent(std::tan(ramc), std::cos(obliquity));
  if (m < 0) m += Pi;
  if (std::sin(ramc) < 0) m += Pi;
  return m * RadToDeg;
}

double AscendantLongitude(double ramc, double obliquity, double latitude) {
  const double x = -std::sin(ramc) * std::cos(obliquity) - std::sin(obliquity) * std::tan(latitude * DegToRad);
  double a = QuadrantArcTangent(std::cos(ramc), x);
  if (a < 0) a += Pi;
  if (std::cos(ramc) < 0) a += Pi;
  double ascendant = a * RadToDeg;
  while (ascendant >= 360) ascendant -= 360;
  return ascendant;
}

ChartAngles CalculateAngles(const BirthMoment& birth) { return CalculateAngles(InstantOfBirth(birth)); }

ChartAngles CalculateAngles(const ChartInstant& instant) {
  ChartAngles angles = CalculateAngleLongitudes(instant);
  angles.AscendantText = FormatZodiacPosition(NormalizeDegrees(angles.Ascendant));
  angles.MidheavenText = FormatZodiacPosition(NormalizeDegrees(angles.Midheaven));
  return angles;
}

ChartAngles CalculateAngleLongitudes(const ChartInstant& instant) {
  const double longitude = -instant.Longitude;  // positive west, as the formulas take it
  const double latitude = instant.Latitude;
  const double julianDay = JulianDayNumber(instant.Month, instant.Day, instant.Year);

  ChartAngles angles;
  angles.BirthUniversalTime = instant.UniversalHours;
  const double t = CenturiesSince1900(julianDay, angles.BirthUniversalTime);
  const double ramc = RightAscensionOfMidheaven(t, angles.BirthUniversalTime, longitude);
  const double obliquity = ObliquityOfEcliptic(t);
  angles.Midheaven = MidheavenLongitude(ramc, obliquity);
  angles.Ascendant = AscendantLongitude(ramc, obliquity, latitude);
  angles.SiderealTime = ramc / DegToRad;
  angles.Obliquity = obliquity / DegToRad;
  return angles;
}

}  // namespace zentara::modPlanetPosition_Western
