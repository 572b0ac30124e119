#include "astro/engine/planets/planet_longitude.h"

#include <cmath>

#include "astro/engine/planets/angles.h"
#include "astro/engine/planets/kepler.h"
#include "astro/engine/planets/planet_elements.h"

namespace zentara::modPlanetPosition_Western {

namespace {

struct OrbitPosition {
  double TrueAnomaly;  // v, radians
  double Radius;       // r, astronomical units
};

OrbitPosition OrbitPlace(const OrbitalElements& elements) {
  const double a = elements.SemiMajorAxis;
  const double e = elements.Eccentricity;
  const double meanAnomaly = ReduceRadians(elements.MeanLongitude - elements.Perihelion);
  const double v = SolveKepler(meanAnomaly, e);
  return {v, a * (1 - e * e) / (1 + e * std::cos(v))};
}

}  // namespace

double PlanetLongitude(int body, double d) {
  const OrbitalElements earth = PlanetElements(Earth, d);
  const OrbitPosition earthPlace = OrbitPlace(earth);
  const double xEarth = earthPlace.Radius * std::cos(earthPlace.TrueAnomaly + earth.Perihelion);
  const double yEarth = earthPlace.Radius * std::sin(earthPlace.TrueAnomaly + earth.Perihelion);

  const OrbitalElements planet = PlanetElements(body, d);
  const OrbitPosition place = OrbitPlace(planet);
  const double node = planet.AscendingNode;
  const double u = place.TrueAnomaly + planet.Perihelion - node;
  double x = place.Radius * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * std::cos(planet.Inclination));
  double y = place.Radius * (std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * std::cos(planet.Inclination));
  if (body == Earth) {  // the Sun sits at the origin
    x = 0;
    y = 0;
  }

  double longitude = QuadrantArcTangent(y - yEarth, x - xEarth) * (180 / Pi);
  return AddTurnsWhileBelow0(SubtractTurnsWhileAbove360(longitude));
}

}  // namespace zentara::modPlanetPosition_Western
