// Geocentric longitudes of the Sun and the planets from mean orbital elements.
#pragma once

namespace zentara::modPlanetPosition_Western {

// The geocentric tropical longitude in degrees (0 to under 360) of body `body`
// (0 to 8, see PlanetBody; the Earth's index gives the Sun) at day number d.
// The body's and the Earth's heliocentric places come from their Keplerian
// orbits; the Earth's inclination is ignored. No light-time, aberration,
// nutation or precession is applied: the longitudes stay referred to the
// equinox of the elements.
double PlanetLongitude(int body, double d);

}  // namespace zentara::modPlanetPosition_Western
