// Pluto's heliocentric position from J. Meeus, Astronomical Algorithms, 2nd
// ed. (Willmann-Bell, 1998), chapter 37: a series of 43 periodic terms
// fitted to the JPL ephemeris, valid from 1885 to 2099 to within a fraction of
// an arcsecond.
#pragma once
#include <array>

namespace zentara::sky {

// Heliocentric ecliptic coordinates on the ecliptic and equinox of J2000.
struct PlutoPosition {
  double longitude = 0;  // degrees
  double latitude = 0;   // degrees
  double radius = 0;     // astronomical units
};

// At `julianDayTt` (a Julian day of terrestrial time; the theory's dynamical
// time differs from it by under 2 ms).
PlutoPosition PlutoHeliocentric(double julianDayTt);

// The same as a vector on the mean equator and equinox of J2000 (au), the
// frame of the other planets' theory.
std::array<double, 3> PlutoEquatorialJ2000(double julianDayTt);

}  // namespace zentara::sky
