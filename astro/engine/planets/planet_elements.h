// Mean Keplerian orbital elements of the planets at a given day number.
#pragma once

namespace zentara::modPlanetPosition_Western {

// Body indices of the element table. The Earth row stands for the Sun: the
// Sun's geocentric position is the Earth's heliocentric position reversed.
enum PlanetBody : int {
  Mercury = 0,
  Venus = 1,
  Earth = 2,
  Mars = 3,
  Jupiter = 4,
  Saturn = 5,
  Uranus = 6,
  Neptune = 7,
  Pluto = 8,
};
inline constexpr int PlanetBodyCount = 9;

// One body's elements, angles in radians.
struct OrbitalElements {
  double SemiMajorAxis = 0;  // a, astronomical units
  double Eccentricity = 0;   // e
  double Inclination = 0;    // I
  double AscendingNode = 0;  // longitude of the ascending node
  double Perihelion = 0;     // longitude of perihelion
  double MeanLongitude = 0;  // L, reduced to one turn
};

// The elements of body `body` (0 to 8) at day number d (days since 2000
// January 1.5): each tabulated value plus its rate times d / 36525.
OrbitalElements PlanetElements(int body, double d);

}  // namespace zentara::modPlanetPosition_Western
