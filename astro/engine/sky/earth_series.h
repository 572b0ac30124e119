// The Earth's heliocentric position from the VSOP87D theory of P. Bretagnon
// and G. Francou (Bureau des Longitudes, 1988) as J. Meeus abridged it in
// Astronomical Algorithms, 2nd ed. (Willmann-Bell, 1998), Appendix III: about
// an arcsecond in longitude and a few kilometres in distance, far better than
// the mean elements of the other planets' theory give the Earth, which is what
// carries a near planet's geocentric direction.
#pragma once

namespace zentara::sky {

// Heliocentric ecliptic coordinates on the mean dynamical ecliptic and
// equinox of the date.
struct EarthPosition {
  double longitude = 0;  // radians, 0 to under a full turn
  double latitude = 0;   // radians
  double radius = 0;     // astronomical units
};

// At `julianDayTt`, a Julian day of terrestrial time.
EarthPosition EarthHeliocentric(double julianDayTt);

}  // namespace zentara::sky
