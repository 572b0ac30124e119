#include "astro/engine/planets/lunar_nodes.h"

#include "astro/engine/planets/angles.h"

namespace zentara::modPlanetPosition_Western {

double NorthNodeLongitude(double d) {
  double node = (125.1228 - 0.0529538083 * d) * DegToRad;
  node = ReduceRadians(node);
  double rahu = node * (180 / ShortPi) - 1;
  if (rahu < 0) rahu += 360;
  return rahu;
}

double SouthNodeLongitude(double northNode) {
  double ketu = northNode + 180;
  while (ketu > 360) ketu -= 360;
  return ketu;
}

}  // namespace zentara::modPlanetPosition_Western
