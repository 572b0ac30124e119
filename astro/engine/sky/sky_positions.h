// Positions true to the sky: every point of a chart as a modern ephemeris
// gives it, the apparent geocentric longitude on the true ecliptic and equinox
// of the moment, for a moment in universal time and a place on the globe.
//
// The theories come from ERFA, the C edition of the International
// Astronomical Union's SOFA routines: the planets Mercury to Neptune and the
// Earth-Moon barycentre (eraPlan94, after Simon et al. 1994, "Numerical
// expressions for precession formulae and mean elements for the Moon and the
// planets", A&A 282, 663), the Moon (eraMoon98, after Meeus's abridgement of
// ELP2000-82), precession-nutation and the obliquity (IAU 2000B, eraPn00b) and
// Greenwich sidereal time (eraGst00b). Pluto comes from Meeus's series
// (pluto_series.h). Each planet is taken where it was when the light now
// arriving left it (light time), and its direction is turned by the Earth's
// motion (annual aberration, eraAb), as the Astronomical Almanac reduces an
// apparent place. Theories run on terrestrial time, universal time plus Delta
// T (delta_t.h).
#pragma once
#include <array>
#include <cstddef>

#include "astro/engine/birth_moment.h"
#include "astro/engine/lunar_node.h"

namespace zentara::sky {

// A moment and a place: the Julian day of universal time, and the latitude
// (north positive) and longitude (east positive) in degrees.
struct SkyMoment {
  double julianDayUt = 2451545.0;
  double latitude = 0;
  double longitude = 0;
};

struct SkyChart {
  // Degrees, 0 to under 360, in the chart's slot order (ChartSlot): the Sun,
  // the Moon, Mercury to Pluto, the north and south nodes, the ascendant and
  // the midheaven.
  std::array<double, FilledChartSlotCount> longitudes{};
  double deltaTSeconds = 0;
  double trueObliquity = 0;         // degrees
  double localSiderealTime = 0;     // the right ascension of the midheaven, degrees
};

// The chart of `moment`, with the mean or the true node. The ascendant is the
// point of the ecliptic rising in the east, at every latitude.
SkyChart ComputeSkyChart(const SkyMoment& moment, LunarNode node);

// The true (osculating) node alone, as ComputeSkyChart gives it, degrees.
double TrueNodeOfDate(double julianDayUt);

// The Julian day of universal time of a calendar date (Gregorian) and hours of
// universal time after its midnight (which may run past 24 or below 0).
double JulianDayUt(int year, int month, int day, double universalHours);

// The moment and place of a birth as the entry form gives it, at the
// universal time of birth (hours after the local date's midnight, as the
// chart angles find it).
SkyMoment MomentOfBirth(const BirthMoment& birth, double birthUniversalTime);

}  // namespace zentara::sky
