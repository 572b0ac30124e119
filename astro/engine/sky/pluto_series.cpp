#include "astro/engine/sky/pluto_series.h"

#include <cmath>
#include <numbers>

namespace zentara::sky {

namespace {

// Meeus, Table 37.A, row by row: the multiples of J, S and P in the argument,
// then the sine (A) and cosine (B) coefficients of longitude and latitude (in
// units of 1e-6 degree) and of the radius vector (in units of 1e-7 au).
struct PlutoTerm {
  int j, s, p;
  double longitudeA, longitudeB, latitudeA, latitudeB, radiusA, radiusB;
};

constexpr PlutoTerm Terms[] = {
    {0, 0, 1, -19799805, 19850055, -5452852, -14974862, 66865439, 68951812},
    {0, 0, 2, 897144, -4954829, 3527812, 1672790, -11827535, -332538},
    {0, 0, 3, 611149, 1211027, -1050748, 327647, 1593179, -1438890},
    {0, 0, 4, -341243, -189585, 178690, -292153, -18444, 483220},
    {0, 0, 5, 129287, -34992, 18650, 100340, -65977, -85431},
    {0, 0, 6, -38164, 30893, -30697, -25823, 31174, -6032},
    {0, 1, -1, 20442, -9987, 4878, 11248, -5794, 22161},
    {0, 1, 0, -4063, -5071, 226, -64, 4601, 4032},
    {0, 1, 1, -6016, -3336, 2030, -836, -1729, 234},
    {0, 1, 2, -3956, 3039, 69, -604, -415, 702},
    {0, 1, 3, -667, 3572, -247, -567, 239, 723},
    {0, 2, -2, 1276, 501, -57, 1, 67, -67},
    {0, 2, -1, 1152, -917, -122, 175, 1034, -451},
    {0, 2, 0, 630, -1277, -49, -164, -129, 504},
    {1, -1, 0, 2571, -459, -197, 199, 480, -231},
    {1, -1, 1, 899, -1449, -25, 217, 2, -441},
    {1, 0, -3, -1016, 1043, 589, -248, -3359, 265},
    {1, 0, -2, -2343, -1012, -269, 711, 7856, -7832},
    {1, 0, -1, 7042, 788, 185, 193, 36, 45763},
    {1, 0, 0, 1199, -338, 315, 807, 8663, 8547},
    {1, 0, 1, 418, -67, -130, -43, -809, -769},
    {1, 0, 2, 120, -274, 5, 3, 263, -144},
    {1, 0, 3, -60, -159, 2, 17, -126, 32},
    {1, 0, 4, -82, -29, 2, 5, -35, -16},
    {1, 1, -3, -36, -29, 2, 3, -19, -4},
    {1, 1, -2, -40, 7, 3, 1, -15, 8},
    {1, 1, -1, -14, 22, 2, -1, -4, 12},
    {1, 1, 0, 4, 13, 1, -1, 5, 6},
    {1, 1, 1, 5, 2, 0, -1, 3, 1},
    {1, 1, 3, -1, 0, 0, 0, 6, -2},
    {2, 0, -6, 2, 0, 0, -2, 2, 2},
    {2, 0, -5, -4, 5, 2, 2, -2, -2},
    {2, 0, -4, 4, -7, -7, 0, 14, 13},
    {2, 0, -3, 14, 24, 10, -8, -63, 13},
    {2, 0, -2, -49, -34, -3, 20, 136, -236},
    {2, 0, -1, 163, -48, 6, 5, 273, 1065},
    {2, 0, 0, 9, -24, 14, 17, 251, 149},
    {2, 0, 1, -4, 1, -2, 0, -25, -9},
    {2, 0, 2, -3, 1, 0, 0, 9, -2},
    {2, 0, 3, 1, 3, 0, 0, -8, 7},
    {3, 0, -2, -3, -1, 0, 1, 2, -10},
    {3, 0, -1, 5, -3, 0, 0, 19, 35},
    {3, 0, 0, 0, 0, 1, 0, 10, 3},
};
static_assert(std::size(Terms) == 43, "Meeus's table has 43 rows");

constexpr double Degree = std::numbers::pi / 180;
// The mean obliquity of the ecliptic at J2000, 84381.448 arcseconds (IAU 1976).
constexpr double ObliquityJ2000 = 84381.448 / 3600 * Degree;

}  // namespace

PlutoPosition PlutoHeliocentric(double julianDayTt) {
  const double t = (julianDayTt - 2451545.0) / 36525;
  // The mean longitudes of Jupiter, Saturn and Pluto, degrees (Meeus 37.1).
  const double jupiter = 34.35 + 3034.9057 * t;
  const double saturn = 50.08 + 1222.1138 * t;
  const double pluto = 238.96 + 144.9600 * t;
  double longitude = 0, latitude = 0, radius = 0;
  for (const PlutoTerm& term : Terms) {
    const double argument = (term.j * jupiter + term.s * saturn + term.p * pluto) * Degree;
    const double sine = std::sin(argument), cosine = std::cos(argument);
    longitude += term.longitudeA * sine + term.longitudeB * cosine;
    latitude += term.latitudeA * sine + term.latitudeB * cosine;
    radius += term.radiusA * sine + term.radiusB * cosine;
  }
  return {238.958116 + 144.96 * t + longitude * 1e-6, -3.908239 + latitude * 1e-6, 40.7241346 + radius * 1e-7};
}

std::array<double, 3> PlutoEquatorialJ2000(double julianDayTt) {
  const PlutoPosition at = PlutoHeliocentric(julianDayTt);
  const double l = at.longitude * Degree, b = at.latitude * Degree;
  const double x = at.radius * std::cos(b) * std::cos(l);
  const double y = at.radius * std::cos(b) * std::sin(l);
  const double z = at.radius * std::sin(b);
  const double c = std::cos(ObliquityJ2000), s = std::sin(ObliquityJ2000);
  return {x, c * y - s * z, s * y + c * z};
}

}  // namespace zentara::sky
