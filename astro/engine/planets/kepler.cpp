#include "astro/engine/planets/kepler.h"

#include <cmath>

#include "astro/engine/planets/angles.h"

namespace zentara::modPlanetPosition_Western {

double SolveKepler(double meanAnomaly, double eccentricity) {
  const double m = meanAnomaly;
  const double e = eccentricity;
  double anomaly = m + e * std::sin(m) * (1 + e * std::cos(m));
  for (int step = 0; step < KeplerIterationLimit; ++step) {
    const double previous = anomaly;
    anomaly = previous - (previous - e * std::sin(previous) - m) / (1 - e * std::cos(previous));
    if (std::fabs(previous - anomaly) <= KeplerTolerance) break;
  }
  double trueAnomaly = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(anomaly / 2));
  if (trueAnomaly < 0) trueAnomaly += FullTurn;
  return trueAnomaly;
}

}  // namespace zentara::modPlanetPosition_Western
