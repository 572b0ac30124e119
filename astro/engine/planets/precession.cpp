#include "astro/engine/planets/precession.h"

#include <cmath>
#include <iterator>

namespace zentara::modPlanetPosition_Western {
namespace {

// The IAU 2006 general precession in longitude,
//   p_A = 5028.796195 t + 1.1054348 t^2 + 0.00007964 t^3 - 0.000023857 t^4
//         - 0.0000000383 t^5 arcseconds, t in Julian centuries since J2000,
// from Capitaine, Wallace and Chapront, "Expressions for IAU 2000 precession
// quantities", Astronomy & Astrophysics 412, 567-586 (2003), eq. 39 (the P03
// model adopted by IAU 2006 Resolution B1; IERS Conventions 2010, eq. 5.40).
// The coefficients of t, t^2, ... t^5, one a line.
constexpr double PrecessionCoefficients[] = {
    5028.796195,
    1.1054348,
    0.00007964,
    -0.000023857,
    -0.0000000383,
};
constexpr double ArcsecondsPerDegree = 3600;
constexpr double DaysPerJulianCentury = 36525;
constexpr double FullCircle = 360;

}  // namespace

double GeneralPrecessionInLongitude(double centuries) {
  double arcseconds = 0;
  for (auto term = std::rbegin(PrecessionCoefficients); term != std::rend(PrecessionCoefficients); ++term) {
    arcseconds = (arcseconds + *term) * centuries;
  }
  return arcseconds / ArcsecondsPerDegree;
}

double PrecessToDate(double longitude, double d) {
  double precessed = std::fmod(longitude + GeneralPrecessionInLongitude(d / DaysPerJulianCentury), FullCircle);
  if (precessed < 0) precessed += FullCircle;
  // A value a rounding below 0 lands on 360 itself, which has no sign.
  return precessed < FullCircle ? precessed : 0;
}

}  // namespace zentara::modPlanetPosition_Western
