// The houses: every system's cusps against the reference numbers kept in
// tests/data/house_reference.txt (made by bench/house_accuracy.sh --keep from
// Swiss Ephemeris, which is never built or shipped) on a seeded sample with
// the equator, 60, 66 and beyond the polar circles; cusp 1 and cusp 10 the
// ascendant and midheaven the chart shows, in both equinox modes; what is
// said where a system falls back; and the worked couple's overlays.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "astro/engine/houses/chart_houses.h"
#include "astro/engine/planets/chart_table.h"
#include "astro/engine/planets/zodiac_text.h"
#include "astro/match/astro_match.h"
#include "astro/match/house_overlays.h"
#include "../gui/worked_couple.h"

namespace {

using namespace zentara;

// The formulas must agree with the reference's to this, arc-minutes.
constexpr double CuspArcminutes = 0.01;

double ArcMinutesApart(double a, double b) {
  double d = std::fabs(a - b);
  if (d > 180) d = 360 - d;
  return d * 60;
}

std::string CuspsText(const std::array<double, 12>& cusps) {
  std::ostringstream text;
  for (const double c : cusps) text << " " << c;
  return text.str();
}

// Every line of the reference: the sky, then for each system (in the order of
// AllHouseSystems) whether it failed and its twelve cusps. Beyond the polar
// circles the reference puts the lower meridian on cusp 10 of Regiomontanus
// and Campanus where the ecliptic's upper one lies below the horizon; this
// program keeps the midheaven the chart shows on cusp 10, so there those two
// cusps are checked against the midheaven and the rest against the reference.
TEST(HouseCusps, AgreeWithTheKeptReference) {
  std::ifstream in(ZENTARA_TEST_DATA_DIR "/house_reference.txt");
  ASSERT_TRUE(in) << "tests/data/house_reference.txt";
  std::string line;
  int skies = 0, fallbacks = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    HouseSky sky;
    fields >> sky.siderealTime >> sky.latitude >> sky.obliquity;
    ++skies;
    const bool polar = std::fabs(sky.latitude) >= 90 - sky.obliquity;
    for (const HouseSystem system : AllHouseSystems) {
      int status = 0;
      std::array<double, 12> reference{};
      fields >> status;
      for (double& cusp : reference) fields >> cusp;
      ASSERT_TRUE(fields) << line;
      const HouseCusps ours = CastHouseCusps(system, sky);
      const std::string where = std::string(HouseSystemName(system)) + " at time " +
                                std::to_string(sky.siderealTime) + ", latitude " + std::to_string(sky.latitude) +
                                ", obliquity " + std::to_string(sky.obliquity);
      EXPECT_EQ(ours.used != system, status != 0) << where << ": the reference " << (status ? "fails" : "has cusps");
      fallbacks += ours.used != system;
      const bool meridianFlipped = polar && (system == HouseSystem::Regiomontanus || system == HouseSystem::Campanus);
      for (std::size_t c = 0; c < 12; ++c) {
        const bool meridian = c == 3 || c == 9;
        const double expected = meridianFlipped && meridian
                                    ? std::fmod(AnglesOfSky(sky).midheaven + (c == 3 ? 180 : 0), 360.0)
                                    : reference[c];
        EXPECT_LE(ArcMinutesApart(ours.cusps[c], expected), CuspArcminutes)
            << where << ", cusp " << c + 1 << "\n  expected" << CuspsText(reference) << "\n  actual  "
            << CuspsText(ours.cusps);
      }
    }
  }
  EXPECT_EQ(skies, 204);
  EXPECT_GT(fallbacks, 0);
}

// Seeded births from 1901 to 2050 at every latitude up to 89 degrees.
std::vector<BirthMoment> RandomBirths(int count) {
  std::mt19937 random(20261208);
  const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  std::vector<BirthMoment> births;
  for (int i = 0; i < count; ++i) {
    BirthMoment b;
    b.Year = static_cast<std::int16_t>(pick(1901, 2050));
    b.Month = static_cast<std::int16_t>(pick(1, 12));
    b.Day = static_cast<std::int16_t>(pick(1, 28));
    b.Hour = static_cast<std::int16_t>(pick(0, 23));
    b.Minute = static_cast<std::int16_t>(pick(0, 59));
    b.LongitudeDegrees = static_cast<std::int16_t>(pick(0, 179));
    b.EastOfGreenwich = pick(0, 1) == 1;
    b.LatitudeDegrees = static_cast<std::int16_t>(pick(0, 89));
    b.LatitudeMinutes = static_cast<std::int16_t>(pick(0, 59));
    b.SouthOfEquator = pick(0, 1) == 1;
    births.push_back(b);
  }
  return births;
}

// In every system but Whole Sign cusp 1 prints as the ascendant shown, and in
// the quadrant systems cusp 10 as the midheaven shown, in both equinox modes;
// beyond the polar circles, where the positions of J2000 may show the western
// end of the horizon as ascendant, cusp 1 is the eastern end, opposite it, and
// the houses say so. No cusp is ever outside 0 to 360 or not a number.
TEST(ChartHouses, CuspsOneAndTenAreTheAnglesShown) {
  int opposite = 0;
  for (const Equinox equinox : {Equinox::J2000, Equinox::OfDate}) {
    for (const BirthMoment& birth : RandomBirths(400)) {
      PartnerChartDetails details;
      const ChartPositions chart = CalculatePartnerChart(birth, true, &details, {equinox, LunarNode::Mean});
      for (const HouseSystem system : AllHouseSystems) {
        const ChartHouses houses = CastChartHouses(details.Houses, system);
        const auto texts = CuspTexts(houses);
        const std::string where = std::string(HouseSystemName(system)) + ", " + std::string(EquinoxName(equinox)) +
                                  ", " + std::to_string(birth.Year) + "-" + std::to_string(birth.Month) + "-" +
                                  std::to_string(birth.Day) + " " + std::to_string(birth.Hour) + ":" +
                                  std::to_string(birth.Minute) + " latitude " + std::to_string(birth.LatitudeDegrees) +
                                  (birth.SouthOfEquator ? "S" : "N") + std::to_string(birth.LatitudeMinutes);
        for (const double cusp : houses.Cusps) ASSERT_TRUE(cusp >= 0 && cusp < 360) << where << ": " << cusp;
        if (houses.CuspOneOppositeShownAscendant) {
          ASSERT_EQ(equinox, Equinox::J2000) << where;  // the sky of date's ascendant is always the eastern one
          ++opposite;
          const double shown = ReadSlotText(chart[AscendantSlot])->Longitude;
          double first = std::fmod(shown + 180, 360);
          if (system == HouseSystem::WholeSign) first = 30 * std::floor(first / 30);
          EXPECT_LE(ArcMinutesApart(houses.Cusps[0], first), 1.0) << where;
        } else if (system != HouseSystem::WholeSign) {
          EXPECT_EQ(texts[0], chart[AscendantSlot]) << where;
        }
        if (IsQuadrantSystem(houses.Used)) {
          EXPECT_EQ(texts[9], chart[MidheavenSlot]) << where;
        }
      }
    }
  }
  EXPECT_GT(opposite, 0);  // the sample reaches the case
}

// Where Placidus or Koch has no cusps, Porphyry's are given and the houses
// say so with the latitude in degrees, and minutes when it has them.
TEST(ChartHouses, SayWhereTheSystemFellBack) {
  ChartHouseBasis basis;
  basis.Sky = {123.4, 23.44, 70};
  basis.Shown = AnglesOfSky(basis.Sky);
  const ChartHouses placidus = CastChartHouses(basis, HouseSystem::Placidus);
  EXPECT_EQ(placidus.Used, HouseSystem::Porphyry);
  EXPECT_EQ(HouseFallbackStatement(placidus), "Placidus has no cusps at 70\u00B0 N; Porphyry used");
  EXPECT_EQ(placidus.Cusps, CastChartHouses(basis, HouseSystem::Porphyry).Cusps);
  basis.Sky.latitude = -69.5;
  basis.Shown = AnglesOfSky(basis.Sky);
  EXPECT_EQ(HouseFallbackStatement(CastChartHouses(basis, HouseSystem::Koch)),
            "Koch has no cusps at 69\u00B030' S; Porphyry used");
  EXPECT_EQ(HouseFallbackStatement(CastChartHouses(basis, HouseSystem::Regiomontanus)), "");
}

// The cusps' texts come straight from the number: they must cut exactly as
// the positions' texts do, at the edges of minutes, degrees and signs too.
TEST(ChartHouses, CuspTextsCutAsPositionTextsCut) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> longitude(0, 360);
  std::vector<double> values = {0, 29.999999999999996, 30, 59.99999999999999, 359.99999999999994,
                                std::nextafter(15.5, 0.0), 15.5, 1.0 / 3, 2.0 / 3};
  for (int i = 0; i < 100000; ++i) values.push_back(longitude(random));
  for (int minute = 0; minute < 21600; minute += 7) values.push_back(std::nextafter(minute / 60.0, 0.0));
  for (const double value : values) {
    using namespace modPlanetPosition_Western;
    ASSERT_EQ(SlotTextOfLongitude(value), FormatSlotText(FormatZodiacPosition(value))) << value;
  }
}

// John and Mary's Placidus houses (zentara-cli match --houses placidus):
//   his cusps  13 Sag 43, 15 Cap 19, 20 Aqu 12, 24 Pis 56, 25 Ari 25, 20 Tau 59,
//              13 Gem 43, 15 Can 19, 20 Leo 12, 24 Vir 56, 25 Lib 25, 20 Sco 59
//   her cusps  15 Cap 07, 28 Aqu 06, 09 Ari 10, 09 Tau 47, 03 Gem 04, 23 Gem 28,
//              15 Can 07, 28 Leo 06, 09 Lib 10, 09 Sco 47, 03 Sag 04, 23 Sag 28
// His Sun 22 Leo 15 lies between her cusps 7 (15 Can 07) and 8 (28 Leo 06):
// her 7th house; his Moon 07 Sag 42 after her 11th (03 Sag 04); Mercury 05 Vir
// 58 and Venus 10 Vir 23 after her 8th; Mars 00 Gem 40 after her 4th (09 Tau
// 47), before her 5th (03 Gem 04); Jupiter 24 Ari 57 in her 3rd; Saturn 26 Can
// 50 in her 7th; Uranus 29 Lib 21 in her 9th (09 Lib 10 to 09 Sco 47); Neptune
// 09 Sag 21 in her 11th; Pluto 07 Lib 45 in her 8th, just before her 9th; the
// node 25 Sco 40 in her 10th; his ascendant 13 Sag 43 in her 11th and his
// midheaven 24 Vir 56 in her 8th. Her ascendant 15 Cap 07 falls twelve minutes
// before his cusp 2 (15 Cap 19): his 1st house; her Sun 21 Aqu 37 just after
// his cusp 3 (20 Aqu 12), and so on below. A point on a cusp's own minute
// belongs to the house that cusp begins: each ascendant in its own 1st house,
// each midheaven in its own 10th.
TEST(HouseOverlays, WorkedCoupleByHand) {
  const auto match = CalculateAstroMatch(testing_support::JohnAndMary());
  ASSERT_TRUE(match);
  const CoupleHouses houses = CastCoupleHouses(*match, HouseSystem::Placidus);
  //                          Sun Moo Mer Ven Mar Jup Sat Ura Nep Plu Nod Asc MC
  const PointHouses hisInHers = {7, 11, 8, 8, 4, 3, 7, 9, 11, 8, 10, 11, 8};
  const PointHouses hersInHis = {3, 4, 2, 3, 8, 7, 9, 11, 1, 10, 10, 1, 11};
  EXPECT_EQ(houses.MaleInFemale, hisInHers);
  EXPECT_EQ(houses.FemaleInMale, hersInHis);
  EXPECT_EQ(houses.MaleInOwn[11], 1);
  EXPECT_EQ(houses.MaleInOwn[12], 10);
  EXPECT_EQ(houses.FemaleInOwn[11], 1);
  EXPECT_EQ(houses.FemaleInOwn[12], 10);
}

// The houses of a chart's points from its longitudes are those of its texts:
// each longitude cut to the minute as its text is (seeded random charts and
// cusps, minute edges among them).
TEST(HouseOverlays, LongitudesGiveTheHousesOfTheirTexts) {
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> longitude(0, 360);
  for (int round = 0; round < 2000; ++round) {
    SlotLongitudes longitudes{};
    for (double& value : longitudes) {
      value = round % 2 == 0 ? longitude(random) : std::nextafter(std::floor(longitude(random) * 60) / 60, 0.0);
    }
    ChartPositions texts;
    modPlanetPosition_Western::FillSlotTexts(longitudes, texts);
    ChartHouses houses;
    for (double& cusp : houses.Cusps) cusp = longitude(random);
    std::sort(houses.Cusps.begin(), houses.Cusps.end());
    ASSERT_EQ(HousesOfPoints(longitudes, texts, houses), HousesOfPoints(texts, houses)) << "round " << round;
  }
}

// Cusps on one minute leave an empty house: a point there goes to the house
// with room in it, also where the two cusps are 12 and 1.
TEST(HouseOverlays, EmptyHouseNeverTakesAPoint) {
  ChartHouses houses;
  for (std::size_t c = 0; c < 12; ++c) houses.Cusps[c] = 30.0 * static_cast<double>(c) + 10;
  EXPECT_EQ(HouseOfMinutes(10 * 60, houses), 1);
  EXPECT_EQ(HouseOfMinutes(10 * 60 - 1, houses), 12);
  houses.Cusps[11] = houses.Cusps[0];  // cusp 12 on cusp 1
  EXPECT_EQ(HouseOfMinutes(10 * 60, houses), 1);
  EXPECT_EQ(HouseOfMinutes(10 * 60 - 1, houses), 11);
}

}  // namespace
