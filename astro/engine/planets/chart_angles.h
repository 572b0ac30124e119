// The first step of a partner's chart: the universal time of birth and the two
// chart angles, the ascendant and the midheaven (tropical, no precession or
// nutation).
#pragma once
#include <string>

#include "astro/engine/birth_moment.h"
#include "astro/engine/chart_instant.h"

namespace zentara::modPlanetPosition_Western {

struct ChartAngles {
  // Universal time of birth in hours, relative to the local calendar date; it
  // may be below 0 or 24 and above.
  double BirthUniversalTime = 0;
  double Ascendant = 0;  // tropical longitude, degrees
  double Midheaven = 0;  // tropical longitude, degrees
  std::string AscendantText;  // zodiac position texts of the two angles
  std::string MidheavenText;
  // What the angles were found from, degrees: the local sidereal time (the
  // right ascension of the midheaven, which may lie below 0) and the
  // obliquity. The houses are cast from the same two.
  double SiderealTime = 0;
  double Obliquity = 0;
};

// The universal time of birth, the local sidereal time and the obliquity of the
// date, and from them the two angles, for one partner's birth. Run it first:
// the chart assembly takes its universal time and texts.
ChartAngles CalculateAngles(const BirthMoment& birth);
// The same at any instant: the date's day number, the instant's universal
// hours and its coordinates take the place of the birth's.
ChartAngles CalculateAngles(const ChartInstant& instant);
// The same without the two texts, for a chart that cuts its own.
ChartAngles CalculateAngleLongitudes(const ChartInstant& instant);

// Julian centuries since Julian day 2415020 (1900 January 0.5) of the local
// date's day number at noon shifted by the universal time of birth.
double CenturiesSince1900(double julianDay, double universalTime);

// Local sidereal time as an angle, radians: the sidereal time polynomial
// referred to 1900 January 0.5 at the universal time, less the signed
// longitude (positive west). Only whole turns above 360 degrees are removed.
double RightAscensionOfMidheaven(double centuries, double universalTime, double longitude);

// Obliquity of the ecliptic, radians, from the 1900 polynomial.
double ObliquityOfEcliptic(double centuries);

// Longitude of the midheaven in degrees (0 to under 360).
double MidheavenLongitude(double ramc, double obliquity);

// Longitude of the ascendant in degrees (0 to under 360) at a signed latitude
// in degrees (positive north).
double AscendantLongitude(double ramc, double obliquity, double latitude);

}  // namespace zentara::modPlanetPosition_Western
