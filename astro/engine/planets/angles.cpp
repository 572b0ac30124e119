#include "astro/engine/planets/angles.h"

#include <cmath>

namespace zentara::modPlanetPosition_Western {

namespace {

double Sign(double value) {
  if (value > 0) return 1;
  if (value < 0) return -1;
  return 0;
}

}  // namespace

double QuadrantArcTangent(double y, double x) {
  if (x > 0) return std::atan(y / x);
  if (x == 0) return y == 0 ? 0.0 : Sign(y) * Pi / 2;
  return Sign(y) * (Pi - std::atan(std::fabs(y / x)));
}

double NormalizeDegrees(double degrees) {
  if (degrees < 0) degrees += 360;
  if (degrees > 360) degrees -= 360;
  return degrees;
}

double ReduceRadians(double radians) {
  const double turns = radians / FullTurn;
  const double rest = (turns - std::trunc(turns)) * FullTurn;
  return rest < 0 ? rest + FullTurn : rest;
}

double SubtractTurnsWhileAbove360(double degrees) {
  if (!(degrees > 360)) return degrees;
  const double rest = std::fmod(degrees, 360.0);
  return rest == 0 ? 360.0 : rest;
}

double SubtractTurnsWhileAtLeast360(double degrees) {
  if (!(degrees >= 360)) return degrees;
  return std::fmod(degrees, 360.0);
}

double AddTurnsWhileBelow0(double degrees) {
  if (!(degrees < 0)) return degrees;
  // fmod leaves the value the repeated addition reaches just before its last
  // step, in (-360, 0); at 0 the last step came from exactly -360.
  const double rest = std::fmod(degrees, 360.0);
  return rest < 0 ? rest + 360.0 : 0.0;
}

}  // namespace zentara::modPlanetPosition_Western
