// The twelve house cusps of a chart in each of the seven systems, from three
// numbers: the sidereal time at the place, the obliquity of the ecliptic and
// the latitude.
//
// A cusp is where a house's dividing circle meets the ecliptic. The systems
// differ in how they draw the circles:
//   Placidus       trisects the time each degree of the ecliptic takes to
//                  rise to the meridian (its semi-arc), degree by degree;
//   Koch           trisects the midheaven's own semi-arc and takes the
//                  ascendants of those moments;
//   Regiomontanus  divides the celestial equator into twelve equal parts by
//                  circles through the north and south points of the horizon;
//   Campanus       divides the prime vertical so, by the same circles;
//   Porphyry       trisects each quadrant of the ecliptic between the angles;
//   Equal          counts 30 degrees from the ascendant;
//   Whole Sign     makes the ascendant's sign the first house.
// The definitions follow R. Holden, "The Elements of House Division" (1977),
// and J. Meeus's spherical astronomy (Astronomical Algorithms, 2nd ed. 1998,
// chapter 13, "Transformation of Coordinates"); the code here is the
// program's own: each circle is a plane through the centre, and each cusp the
// line where it cuts the ecliptic's plane, the end that lies in the eastern
// half of the sky for the eastern cusps.
//
// Placidus and Koch ask for the time a degree spends above the horizon. Where
// |latitude| >= 90 degrees - obliquity (beyond the polar circles) some degrees
// never rise or never set, and the two have no cusps; the chart then falls
// back to Porphyry, and says so (HouseCusps::used).
#pragma once
#include <array>

#include "astro/engine/houses/house_system.h"

namespace zentara {

// Where and when the houses are cast, all in degrees.
struct HouseSky {
  double siderealTime = 0;  // local sidereal time: the right ascension of the midheaven
  double obliquity = 23.44;  // of the ecliptic
  double latitude = 0;  // of the place, north positive
};

// The two angles the quadrant systems start from, ecliptic longitudes in
// degrees: the ascendant, the point of the ecliptic rising in the east, and
// the midheaven, the point culminating on the meridian above the pole's side
// of the equator.
struct EclipticAngles {
  double ascendant = 0;
  double midheaven = 0;
};

struct HouseCusps {
  // Ecliptic longitudes, degrees from 0 to under 360: cusps[0] is cusp 1.
  std::array<double, 12> cusps{};
  HouseSystem used = HouseSystem::Placidus;  // the system asked for, or Porphyry in its stead
};

EclipticAngles AnglesOfSky(const HouseSky& sky);

// False for Placidus and Koch where |latitude| >= 90 - obliquity; true for
// every other system everywhere.
bool HasCuspsAt(HouseSystem system, double latitude, double obliquity);

// The cusps of `system`, or of Porphyry where it has none (HasCuspsAt).
// The quadrant systems put the two angles on cusps 1 and 10 and their
// opposites on 7 and 4, exactly as given; Porphyry, Equal and Whole Sign are
// counted from them. `angles` is normally AnglesOfSky(sky); a chart passes
// the angles it shows, which its own formulas may place a hair's breadth away,
// so that cusp and angle print the same.
HouseCusps CastHouseCusps(HouseSystem system, const HouseSky& sky, const EclipticAngles& angles);
HouseCusps CastHouseCusps(HouseSystem system, const HouseSky& sky);

}  // namespace zentara
