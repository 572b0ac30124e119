#include "astro/engine/houses/house_cusps.h"

#include <cmath>
#include <numbers>

namespace zentara {

namespace {

constexpr double Degree = std::numbers::pi / 180;
constexpr double QuarterTurn = std::numbers::pi / 2;

// Placidus's root is found when a step moves the right ascension by less than
// this, radians (0.02 arc-seconds): Newton's method squares the error each
// step, so the root that step leaves is good to about 1e-14 radians, far
// below the minute the cusps are cut to.
constexpr double PlacidusStep = 1e-7;
constexpr int PlacidusMostSteps = 50;

struct Vector {
  double x, y, z;
};

Vector Cross(const Vector& a, const Vector& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double Normalized(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d < 0) d += 360.0;
  return d >= 360.0 ? 0.0 : d;
}

// The sky turned with the sidereal time: x points to where the equator meets
// the meridian above the horizon, y to the east point of the horizon, z to
// the north celestial pole. Every circle of the houses is a plane through the
// centre, given by its normal in this frame.
class LocalSky {
 public:
  LocalSky(double siderealTime, double obliquity, double latitude)
      : sinTime_(std::sin(siderealTime * Degree)),
        cosTime_(std::cos(siderealTime * Degree)),
        sinObliquity_(std::sin(obliquity * Degree)),
        cosObliquity_(std::cos(obliquity * Degree)),
        zenith_{std::cos(latitude * Degree), 0, std::sin(latitude * Degree)},
        north_{-zenith_.z, 0, zenith_.x},
        eclipticPole_{-sinObliquity_ * sinTime_, -sinObliquity_ * cosTime_, cosObliquity_} {}

  const Vector& Zenith() const { return zenith_; }
  const Vector& North() const { return north_; }  // the north point of the horizon

  // The ecliptic longitude where the plane with `normal` cuts the ecliptic,
  // at the end in the eastern half of the sky.
  double EasternCut(const Vector& normal) const {
    Vector cut = Cross(normal, eclipticPole_);
    if (cut.y < 0 || (cut.y == 0 && cut.x < 0)) cut = {-cut.x, -cut.y, -cut.z};
    return Longitude(cut);
  }

  // The ascendant: the horizon's eastern cut.
  double Ascendant() const { return EasternCut(zenith_); }

  // The midheaven: the meridian's cut above the equator's upper point.
  double Midheaven() const {
    // The meridian's normal is y; its cut with the ecliptic is y x pole.
    return Longitude({eclipticPole_.z, 0, -eclipticPole_.x});
  }

  // The ecliptic longitude of a direction of this frame.
  double Longitude(const Vector& v) const {
    const double x = v.x * cosTime_ - v.y * sinTime_;
    const double y = v.x * sinTime_ + v.y * cosTime_;
    return Normalized(std::atan2(y * cosObliquity_ + v.z * sinObliquity_, x) / Degree);
  }

 private:
  double sinTime_, cosTime_, sinObliquity_, cosObliquity_;
  Vector zenith_, north_, eclipticPole_;
};

using Cusps = std::array<double, 12>;

// Cusps 11, 12, 2 and 3 are given; cusps 1 and 10 are the angles, and each
// cusp of 4 to 9 the opposite of one of 10 to 3.
Cusps WithAnglesAndOpposites(double c11, double c12, double c2, double c3, const EclipticAngles& angles) {
  Cusps c{};
  c[0] = angles.ascendant;
  c[1] = c2;
  c[2] = c3;
  c[9] = angles.midheaven;
  c[10] = c11;
  c[11] = c12;
  for (int house = 4; house <= 9; ++house) c[house - 1] = Normalized(c[(house + 5) % 12] + 180);
  return c;
}

// Regiomontanus and Campanus: the circle of each cusp passes through the north
// and south points of the horizon and through `point(k)`, for the cusps 11,
// 12, 2 and 3 in turn (k = 0 to 3).
template <class PointOf>
Cusps ThroughNorthAndSouth(const LocalSky& sky, const EclipticAngles& angles, PointOf point) {
  double c[4];
  for (int k = 0; k < 4; ++k) c[k] = sky.EasternCut(Cross(sky.North(), point(k)));
  return WithAnglesAndOpposites(c[0], c[1], c[2], c[3], angles);
}

// Regiomontanus: the points of the equator 30, 60, 120 and 150 degrees east
// of the meridian.
constexpr double RegiomontanusHourAngles[4] = {30, 60, 120, 150};
Cusps Regiomontanus(const LocalSky& sky, const EclipticAngles& angles) {
  return ThroughNorthAndSouth(sky, angles, [](int k) {
    return Vector{std::cos(RegiomontanusHourAngles[k] * Degree), std::sin(RegiomontanusHourAngles[k] * Degree), 0};
  });
}

// Campanus: the points of the prime vertical (the circle through the east
// point and the zenith) 60, 30, -30 and -60 degrees above the east point.
constexpr double CampanusHeights[4] = {60, 30, -30, -60};
Cusps Campanus(const LocalSky& sky, const EclipticAngles& angles) {
  const Vector& zenith = sky.Zenith();
  return ThroughNorthAndSouth(sky, angles, [&zenith](int k) {
    const double up = std::sin(CampanusHeights[k] * Degree), east = std::cos(CampanusHeights[k] * Degree);
    return Vector{up * zenith.x, east, up * zenith.z};
  });
}

// Placidus: the cusp is the degree of the ecliptic whose hour angle is
// `fraction` of its diurnal semi-arc, east of the meridian (`side` +1, cusps
// 11 and 12) or west (-1, cusps 9 and 8). A degree at right ascension a has
// declination d with tan d = tan(obliquity) sin a, and semi-arc 90 degrees +
// asin(tan(latitude) tan d); so its right ascension solves
//   a = time + side * fraction * (pi/2 + asin(k sin a)),  k = tan(latitude) tan(obliquity).
// With |k| < 1 (inside the polar circles) the left side less the right grows
// with a at a slope of at least 1 - fraction * k > 1/3, so the root is single
// and Newton's method finds it in a few steps.
double PlacidusCusp(double time, double k, double side, double fraction, double cosObliquity) {
  const double pull = side * fraction;
  double a = time + pull * QuarterTurn;
  for (int step = 0; step < PlacidusMostSteps; ++step) {
    const double s = std::sin(a), root = std::sqrt(1 - k * k * s * s);
    const double miss = a - time - pull * (QuarterTurn + std::asin(k * s));
    const double slope = 1 - pull * k * std::cos(a) / root;
    const double move = miss / slope;
    a -= move;
    if (std::fabs(move) < PlacidusStep) break;
  }
  return Normalized(std::atan2(std::sin(a), std::cos(a) * cosObliquity) / Degree);
}

Cusps Placidus(const HouseSky& sky, const EclipticAngles& angles) {
  const double time = sky.siderealTime * Degree;
  const double k = std::tan(sky.latitude * Degree) * std::tan(sky.obliquity * Degree);
  const double cosObliquity = std::cos(sky.obliquity * Degree);
  const double c11 = PlacidusCusp(time, k, +1, 1.0 / 3, cosObliquity);
  const double c12 = PlacidusCusp(time, k, +1, 2.0 / 3, cosObliquity);
  const double c9 = PlacidusCusp(time, k, -1, 1.0 / 3, cosObliquity);
  const double c8 = PlacidusCusp(time, k, -1, 2.0 / 3, cosObliquity);
  return WithAnglesAndOpposites(c11, c12, Normalized(c8 + 180), Normalized(c9 + 180), angles);
}

// Koch: the midheaven's degree rose one diurnal semi-arc ago (90 degrees plus
// its ascensional difference, in sidereal time). Cusps 11 and 12 are the
// degrees that rose two thirds and one third of that time ago, and cusps 2
// and 3 those that will rise one third and two thirds of it from now.
Cusps Koch(const HouseSky& sky, const EclipticAngles& angles) {
  const double sinDeclination = std::sin(sky.obliquity * Degree) * std::sin(angles.midheaven * Degree);
  const double declination = std::asin(sinDeclination);
  const double ascensionalDifference =
      std::asin(std::tan(sky.latitude * Degree) * std::tan(declination)) / Degree;
  const double third = (90 + ascensionalDifference) / 3;
  const auto risingAt = [&sky](double time) {
    return LocalSky(time, sky.obliquity, sky.latitude).Ascendant();
  };
  return WithAnglesAndOpposites(risingAt(sky.siderealTime - 2 * third), risingAt(sky.siderealTime - third),
                                risingAt(sky.siderealTime + third), risingAt(sky.siderealTime + 2 * third),
                                angles);
}

// Porphyry: each quadrant of the ecliptic between the angles in three equal arcs.
Cusps Porphyry(const EclipticAngles& angles) {
  const double upper = Normalized(angles.ascendant - angles.midheaven);  // from cusp 10 to cusp 1
  const double lower = 180 - upper;                                      // from cusp 1 to cusp 4
  return WithAnglesAndOpposites(Normalized(angles.midheaven + upper / 3),
                                Normalized(angles.midheaven + 2 * upper / 3),
                                Normalized(angles.ascendant + lower / 3),
                                Normalized(angles.ascendant + 2 * lower / 3), angles);
}

Cusps CountedFrom(double first) {
  Cusps c{};
  for (int house = 0; house < 12; ++house) c[house] = Normalized(first + 30.0 * house);
  return c;
}

}  // namespace

EclipticAngles AnglesOfSky(const HouseSky& sky) {
  const LocalSky local(sky.siderealTime, sky.obliquity, sky.latitude);
  return {local.Ascendant(), local.Midheaven()};
}

bool HasCuspsAt(HouseSystem system, double latitude, double obliquity) {
  if (system != HouseSystem::Placidus && system != HouseSystem::Koch) return true;
  return std::fabs(latitude) < 90 - obliquity;
}

HouseCusps CastHouseCusps(HouseSystem system, const HouseSky& sky, const EclipticAngles& angles) {
  HouseCusps result;
  result.used = HasCuspsAt(system, sky.latitude, sky.obliquity) ? system : HouseSystem::Porphyry;
  switch (result.used) {
    case HouseSystem::Placidus: result.cusps = Placidus(sky, angles); break;
    case HouseSystem::Koch: result.cusps = Koch(sky, angles); break;
    case HouseSystem::Regiomontanus:
      result.cusps = Regiomontanus(LocalSky(sky.siderealTime, sky.obliquity, sky.latitude), angles);
      break;
    case HouseSystem::Campanus:
      result.cusps = Campanus(LocalSky(sky.siderealTime, sky.obliquity, sky.latitude), angles);
      break;
    case HouseSystem::Porphyry: result.cusps = Porphyry(angles); break;
    case HouseSystem::Equal: result.cusps = CountedFrom(angles.ascendant); break;
    case HouseSystem::WholeSign: result.cusps = CountedFrom(30 * std::floor(angles.ascendant / 30)); break;
  }
  return result;
}

HouseCusps CastHouseCusps(HouseSystem system, const HouseSky& sky) {
  return CastHouseCusps(system, sky, AnglesOfSky(sky));
}

}  // namespace zentara
