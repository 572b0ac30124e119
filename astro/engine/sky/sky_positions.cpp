#include "astro/engine/sky/sky_positions.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <numbers>

#include "astro/engine/birth_coordinates.h"
#include "astro/engine/sky/delta_t.h"
#include "astro/engine/sky/earth_series.h"
#include "astro/engine/sky/pluto_series.h"

namespace zentara::sky {

namespace {

using Vector = std::array<double, 3>;

constexpr double Degree = std::numbers::pi / 180;
// The light time for one astronomical unit, in days (ERFA_AULT, seconds).
constexpr double LightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;
// The Earth's mass over the Moon's (IERS Conventions 2010, table 1.1), which
// puts the Earth on the line from the Moon through their barycentre.
constexpr double EarthMoonMassRatio = 81.3005690699;

// eraPlan94's numbers for the bodies of the chart, and Pluto's stand-in.
constexpr int Mercury = 1, Venus = 2, EarthMoonBarycentre = 3, Mars = 4, Jupiter = 5, Saturn = 6, Uranus = 7,
              Neptune = 8, Pluto = 9;

double Length(const Vector& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

Vector Minus(const Vector& a, const Vector& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

double Degrees0To360(double radians) {
  double degrees = std::fmod(radians / Degree, 360.0);
  if (degrees < 0) degrees += 360.0;
  return degrees >= 360.0 ? 0.0 : degrees;
}

// A body's heliocentric position on the mean equator and equinox of J2000,
// au, at terrestrial time tt1 + tt2 (a Julian day split in two for precision).
Vector Heliocentric(int body, double tt1, double tt2) {
  if (body == Pluto) return PlutoEquatorialJ2000(tt1 + tt2);
  double pv[2][3];
  eraPlan94(tt1, tt2, body, pv);
  return {pv[0][0], pv[0][1], pv[0][2]};
}

// Everything one moment shares: the Earth, the frame of date, the aberration.
class Sky {
 public:
  explicit Sky(double julianDayUt) {
    deltaT_ = DeltaTSeconds(DecimalYear(julianDayUt));
    tt1_ = 2451545.0;
    tt2_ = julianDayUt - 2451545.0 + deltaT_ / ERFA_DAYSEC;
    double barycentre[2][3];
    eraPlan94(tt1_, tt2_, EarthMoonBarycentre, barycentre);
    eraMoon98(tt1_, tt2_, moon_);
    double rb[3][3], rp[3][3], rn[3][3];
    eraPn00b(tt1_, tt2_, &nutationInLongitude_, &nutationInObliquity_, &meanObliquity_, rb, rp, toMeanOfDate_, rn,
             toDate_);
    trueObliquity_ = meanObliquity_ + nutationInObliquity_;
    earth_ = EarthOnJ2000Equator();
    for (int i = 0; i < 3; ++i) {
      // The Earth's velocity in units of the speed of light, for aberration:
      // the barycentre's, less the Moon's share. Its heliocentric velocity
      // stands for the barycentric one (they differ by the Sun's 13 m/s, under
      // 0.01 arcsecond of aberration).
      velocity_[i] = (barycentre[1][i] - moon_[1][i] / (1 + EarthMoonMassRatio)) * LightDaysPerAu;
    }
    sunDistance_ = Length(earth_);
    const double speed2 = velocity_[0] * velocity_[0] + velocity_[1] * velocity_[1] + velocity_[2] * velocity_[2];
    lorentz_ = std::sqrt(1 - speed2);
  }

  double DeltaT() const { return deltaT_; }
  double TrueObliquity() const { return trueObliquity_; }
  double NutationInLongitude() const { return nutationInLongitude_; }
  double CenturiesTt() const { return tt2_ / 36525; }

  // The apparent longitude of a direction given on the J2000 equator, seen
  // from the moving Earth: aberration, then the equator and equinox of date,
  // then the true ecliptic of date.
  double ApparentLongitude(const Vector& direction) {
    double natural[3], seen[3];
    const double length = Length(direction);
    for (int i = 0; i < 3; ++i) natural[i] = direction[i] / length;
    eraAb(natural, velocity_, sunDistance_, lorentz_, seen);
    return EclipticLongitudeOfDate({seen[0], seen[1], seen[2]});
  }

  // The Earth from its own theory (earth_series.h), turned from the
  // ecliptic and equinox of date onto the equator of date and then back to
  // the J2000 equator of the other bodies' theories. The theory's dynamical
  // equinox lies 0.09033 arcseconds from the equinox of the fundamental
  // catalogue (Meeus, formula 32.3).
  Vector EarthOnJ2000Equator() const {
    const EarthPosition at = EarthHeliocentric(tt1_ + tt2_);
    const double longitude = at.longitude - 0.09033 / 3600 * Degree;
    const Vector ecliptic{at.radius * std::cos(at.latitude) * std::cos(longitude),
                          at.radius * std::cos(at.latitude) * std::sin(longitude),
                          at.radius * std::sin(at.latitude)};
    const double c = std::cos(meanObliquity_), s = std::sin(meanObliquity_);
    const Vector ofDate{ecliptic[0], c * ecliptic[1] - s * ecliptic[2], s * ecliptic[1] + c * ecliptic[2]};
    Vector j2000{};
    for (int i = 0; i < 3; ++i) {
      j2000[i] = toMeanOfDate_[0][i] * ofDate[0] + toMeanOfDate_[1][i] * ofDate[1] + toMeanOfDate_[2][i] * ofDate[2];
    }
    return j2000;
  }

  double EclipticLongitudeOfDate(const Vector& j2000) const {
    const Vector ofDate = ToEcliptic(ToDate(j2000));
    return Degrees0To360(std::atan2(ofDate[1], ofDate[0]));
  }

  // The Sun: the Earth's heliocentric position turned round.
  double Sun() { return ApparentLongitude({-earth_[0], -earth_[1], -earth_[2]}); }

  // A planet where it was when the light seen now left it. The light time
  // of its geometric distance is off by the distance it moved meanwhile, over
  // the speed of light: far below an arcsecond, so one round settles it.
  double Planet(int body) {
    const double lightTime = Length(Minus(Heliocentric(body, tt1_, tt2_), earth_)) * LightDaysPerAu;
    return ApparentLongitude(Minus(Heliocentric(body, tt1_, tt2_ - lightTime), earth_));
  }

  // The Moon where it was when its light left it, 1.3 s before. Seen from the
  // Earth, which carries the Moon along with it round the Sun, the annual
  // aberration is not applied to it.
  double Moon() const {
    const Vector position{moon_[0][0], moon_[0][1], moon_[0][2]};
    const double lightTime = Length(position) * LightDaysPerAu;
    return EclipticLongitudeOfDate(
        Minus(position, {moon_[1][0] * lightTime, moon_[1][1] * lightTime, moon_[1][2] * lightTime}));
  }

  // The mean ascending node of the Moon's orbit on the mean equinox of date
  // (Meeus, Astronomical Algorithms, 2nd ed., formula 47.7), carried to the
  // true equinox by the nutation in longitude.
  double MeanNode() const {
    const double t = CenturiesTt();
    const double node = 125.0445479 - 1934.1362891 * t + 0.0020754 * t * t + t * t * t / 467441 -
                        t * t * t * t / 60616000;
    return Degrees0To360(node * Degree + nutationInLongitude_);
  }

  // The osculating node: where the plane of the Moon's geocentric orbit of
  // the moment, from its position and velocity, crosses the true ecliptic of
  // date going north; the line of the angular momentum's ecliptic components.
  double TrueNode() const {
    const Vector r = ToEcliptic(ToDate({moon_[0][0], moon_[0][1], moon_[0][2]}));
    const Vector v = ToEcliptic(ToDate({moon_[1][0], moon_[1][1], moon_[1][2]}));
    const double hx = r[1] * v[2] - r[2] * v[1];
    const double hy = r[2] * v[0] - r[0] * v[2];
    return Degrees0To360(std::atan2(hx, -hy));
  }

 private:
  Vector ToDate(const Vector& v) const {
    Vector out{};
    for (int i = 0; i < 3; ++i) out[i] = toDate_[i][0] * v[0] + toDate_[i][1] * v[1] + toDate_[i][2] * v[2];
    return out;
  }
  Vector ToEcliptic(const Vector& v) const {
    const double c = std::cos(trueObliquity_), s = std::sin(trueObliquity_);
    return {v[0], c * v[1] + s * v[2], -s * v[1] + c * v[2]};
  }

  double deltaT_ = 0, tt1_ = 0, tt2_ = 0;
  double moon_[2][3]{};
  Vector earth_{};
  double velocity_[3]{};
  double toDate_[3][3]{}, toMeanOfDate_[3][3]{};
  double nutationInLongitude_ = 0, nutationInObliquity_ = 0, meanObliquity_ = 0, trueObliquity_ = 0;
  double sunDistance_ = 1, lorentz_ = 1;
};

// The midheaven: the ecliptic's point on the meridian, above the pole's side
// of the equator as the right ascension of the midheaven has it.
double Midheaven(double ramc, double obliquity) {
  return Degrees0To360(std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(obliquity)));
}

// The ascendant: of the two points where the ecliptic meets the horizon, the
// one in the east (its hour angle between 12 and 24 hours), at any latitude.
double Ascendant(double ramc, double obliquity, double latitude) {
  const double a = std::atan2(std::cos(ramc), -(std::sin(ramc) * std::cos(obliquity) +
                                                std::tan(latitude) * std::sin(obliquity)));
  // The point's right ascension, and its hour angle east or west.
  const double rightAscension = std::atan2(std::sin(a) * std::cos(obliquity), std::cos(a));
  const bool east = std::sin(ramc - rightAscension) < 0;
  return Degrees0To360(east ? a : a + std::numbers::pi);
}

}  // namespace

double JulianDayUt(int year, int month, int day, double universalHours) {
  double day0 = 0, day1 = 0;
  eraCal2jd(year, month, day, &day0, &day1);  // midnight of the date
  return day0 + day1 + universalHours / 24;
}

SkyMoment MomentOfBirth(const BirthMoment& birth, double birthUniversalTime) {
  // The engines' signed longitude is positive west.
  return {JulianDayUt(birth.Year, birth.Month, birth.Day, birthUniversalTime), SignedLatitude(birth),
          -SignedLongitude(birth)};
}

double TrueNodeOfDate(double julianDayUt) { return Sky(julianDayUt).TrueNode(); }

SkyChart ComputeSkyChart(const SkyMoment& moment, LunarNode node) {
  Sky sky(moment.julianDayUt);
  SkyChart chart;
  auto& at = chart.longitudes;
  at[SunSlot] = sky.Sun();
  at[MoonSlot] = sky.Moon();
  at[MercurySlot] = sky.Planet(Mercury);
  at[VenusSlot] = sky.Planet(Venus);
  at[MarsSlot] = sky.Planet(Mars);
  at[JupiterSlot] = sky.Planet(Jupiter);
  at[SaturnSlot] = sky.Planet(Saturn);
  at[UranusSlot] = sky.Planet(Uranus);
  at[NeptuneSlot] = sky.Planet(Neptune);
  at[PlutoSlot] = sky.Planet(Pluto);
  at[NorthNodeSlot] = node == LunarNode::True ? sky.TrueNode() : sky.MeanNode();
  at[SouthNodeSlot] = std::fmod(at[NorthNodeSlot] + 180.0, 360.0);
  // Greenwich apparent sidereal time from universal time (taken as UT1), and
  // the meridian of the place.
  const double ramc = eraAnp(eraGst00b(moment.julianDayUt, 0.0) + moment.longitude * Degree);
  at[AscendantSlot] = Ascendant(ramc, sky.TrueObliquity(), moment.latitude * Degree);
  at[MidheavenSlot] = Midheaven(ramc, sky.TrueObliquity());
  chart.deltaTSeconds = sky.DeltaT();
  chart.trueObliquity = sky.TrueObliquity() / Degree;
  chart.localSiderealTime = ramc / Degree;
  return chart;
}

}  // namespace zentara::sky
