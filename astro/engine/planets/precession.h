// Precession in longitude: a longitude on the ecliptic of J2000 carried to the
// equinox of another date.
#pragma once

namespace zentara::modPlanetPosition_Western {

// The general precession in longitude p_A, in degrees, `centuries` Julian
// centuries after J2000 (negative before): how far the equinox of that date
// has moved along the ecliptic since J2000. About -1.38 degrees in 1901.
double GeneralPrecessionInLongitude(double centuries);

// `longitude` (degrees, on the ecliptic and equinox of J2000) at day number d
// (days since 2000 January 1.5) measured from the equinox of that date instead:
// the longitude plus p_A, reduced to 0 to under 360. The ecliptic's own slow
// turn (under 1' a century) moves a point on it by a few arcseconds at most,
// so it is left out.
double PrecessToDate(double longitude, double d);

}  // namespace zentara::modPlanetPosition_Western
