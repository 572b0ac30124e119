// Kepler's equation for the planetary engine.
#pragma once

namespace zentara::modPlanetPosition_Western {

// Newton's iteration on Kepler's equation stops when two successive eccentric
// anomalies differ by at most this many radians.
inline constexpr double KeplerTolerance = 1e-12;

// A safety bound only: for the eccentricities of the element table the
// iteration meets the tolerance within a handful of steps. The bound keeps a
// value that is not a number from looping for ever.
inline constexpr int KeplerIterationLimit = 100;

// The true anomaly, radians from 0 to under one full turn, for mean anomaly M
// (radians) and eccentricity e (0 to under 1).
double SolveKepler(double meanAnomaly, double eccentricity);

}  // namespace zentara::modPlanetPosition_Western
