#include "astro/engine/planets/planet_elements.h"

#include "astro/engine/planets/angles.h"

namespace zentara::modPlanetPosition_Western {

namespace {

// A body's elements at 2000 January 1.5 and their rates per Julian century. The
// rates of the four angles are in arcseconds per century.
struct ElementRow {
  const char* Body;
  double SemiMajorAxis, SemiMajorAxisRate;
  double Eccentricity, EccentricityRate;
  double Inclination, InclinationRate;
  double AscendingNode, AscendingNodeRate;
  double Perihelion, PerihelionRate;
  double MeanLongitude, MeanLongitudeRate;
};

// JPL, "Keplerian Elements for Approximate Positions of the Major Planets", the
// table for 1800 AD to 2050 AD: mean ecliptic and equinox of J2000, angles in
// degrees, angular rates in arcseconds per century.
constexpr ElementRow PlanetElementsTable[PlanetBodyCount] = {
    // body         a        a rate        e         e rate        I     I rate      node   node rate perihelion  rate        L          L rate
    {"Mercury",  0.38709893, +0.00000066, 0.20563069, +0.00002527,  7.00487, -23.51,  48.33167,   -446.30,  77.45645,  +573.57, 252.25084,  +538101628.29},  // 0
    {"Venus",    0.72333199, +0.00000092, 0.00677323, -0.00004938,  3.39471,  -2.86,  76.68069,   -996.89, 131.53298,  -108.80, 181.97973,  +210664136.06},  // 1
    {"Earth",    1.00000011, -0.00000005, 0.01671022, -0.00003804,  0.00005, -46.94, -11.26064, -18228.25, 102.94719, +1198.28, 100.46435,  +129597740.63},  // 2
    {"Mars",     1.52366231, -0.00007221, 0.09341233, +0.00011902,  1.85061, -25.47,  49.57854,  -1020.19, 336.04084, +1560.78, 355.45332,   +68905103.78},  // 3
    {"Jupiter",  5.20336301, +0.00060737, 0.04839266, -0.00012880,  1.30530,  -4.15, 100.55615,  +1217.17,  14.75385,  +839.93,  34.40438,   +10925078.35},  // 4
    {"Saturn",   9.53707032, -0.00301530, 0.05415060, -0.00036762,  2.48446,  +6.11, 113.71504,  -1591.05,  92.43194, -1948.89,  49.94432,    +4401052.95},  // 5
    {"Uranus",  19.19126393, +0.00152025, 0.04716771, -0.00019150,  0.76986,  -2.09,  74.22988,  -1681.40, 170.96424, +1312.56, 313.23218,    +1542547.79},  // 6
    {"Neptune", 30.06896348, -0.00125196, 0.00858587, +0.00002510,  1.76917,  -3.64, 131.72169,   -151.25,  44.97135,  -844.43, 304.88003,     +786449.21},  // 7
    {"Pluto",   39.48168677, -0.00076912, 0.24880766, +0.00006465, 17.14175, +11.07, 110.30347,    -37.33, 224.06676,  -132.25, 238.92881,     +522747.90},  // 8
};

constexpr double DaysPerCentury = 36525;
constexpr double ArcsecondsPerDegree = 3600;

double AngleAt(double degrees, double rateArcseconds, double centuries) {
  return (degrees + rateArcseconds * centuries / ArcsecondsPerDegree) * DegToRad;
}

}  // namespace

OrbitalElements PlanetElements(int body, double d) {
  const ElementRow& row = PlanetElementsTable[body];
  const double t = d / DaysPerCentury;
  OrbitalElements elements;
  elements.SemiMajorAxis = row.SemiMajorAxis + row.SemiMajorAxisRate * t;
  elements.Eccentricity = row.Eccentricity + row.EccentricityRate * t;
  elements.Inclination = AngleAt(row.Inclination, row.InclinationRate, t);
  elements.AscendingNode = AngleAt(row.AscendingNode, row.AscendingNodeRate, t);
  elements.Perihelion = AngleAt(row.Perihelion, row.PerihelionRate, t);
  elements.MeanLongitude = ReduceRadians(AngleAt(row.MeanLongitude, row.MeanLongitudeRate, t));
  return elements;
}

}  // namespace zentara::modPlanetPosition_Western
