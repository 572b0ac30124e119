// The charts of the relationship: midpoints along the shorter arc (the wrap at
// 0 degrees, near and exact oppositions, either partner first); the worked
// couple's composite against midpoints worked by hand; the Davison moment and
// place worked by hand, and its chart the engines' chart for that instant.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/engine/chart_longitudes.h"
#include "astro/engine/planets/chart_table.h"
#include "astro/match/astro_match.h"
#include "astro/match/relationship_charts.h"
#include "../gui/worked_couple.h"

namespace {

using namespace zentara;

// Midpoints worked by hand agree to this, degrees.
constexpr double MidpointDegrees = 1e-9;

TEST(Midpoints, TakeTheShorterArcAndTheStatedSideWhenOpposite) {
  const struct {
    double male, female, midpoint;
  } cases[] = {
      {10, 20, 15},          {20, 10, 15},             // either partner first
      {350, 10, 0},          {10, 350, 0},             // across 0 degrees
      {359.5, 0.25, 359.875}, {-30, 390, 0},           // values outside 0 to 360 are turned in
      {10, 189.99, 99.995},  {10, 190.01, 280.005},    // near opposite: the shorter side
      {10, 190, 100},        {190, 10, 280},           // exactly opposite: 90 degrees on from his
      {0, 180, 90},          {123.25, 123.25, 123.25},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(MidpointLongitude(c.male, c.female), c.midpoint, MidpointDegrees) << c.male << " and " << c.female;
  }
}

TEST(Midpoints, PlacesOnTheGreatCircle) {
  // On the equator and on one meridian the middle is plain; across the date
  // line it is on it; opposite places go 90 degrees north along his meridian,
// over the pole.
  const struct {
    Place male, female, middle;
  } cases[] = {
      {{0, 10}, {0, 30}, {0, 20}},
      {{10, 5}, {50, 5}, {30, 5}},
      {{0, 170}, {0, -170}, {0, 180}},
      {{20, 30}, {-20, -150}, {70, -150}},
  };
  for (const auto& c : cases) {
    const Place middle = MidpointPlace(c.male, c.female);
    EXPECT_NEAR(middle.Latitude, c.middle.Latitude, MidpointDegrees) << c.male.Latitude << "," << c.male.Longitude;
    EXPECT_NEAR(std::remainder(middle.Longitude - c.middle.Longitude, 360.0), 0, MidpointDegrees)
        << c.male.Latitude << "," << c.male.Longitude;
  }
}

// John and Mary's composite. The midpoints of their positions as the report
// shows them, worked by hand in arc-minutes from 0 Aries (his Sun 22 Leo 15 =
// 8535', her Sun 21 Aqu 37 = 19297': 10762' forward, under half a circle, so
// 8535 + 5381 = 13916' = 21 Sco 56; his Moon 07 Sag 42 = 14862', hers 28 Pis
// 22 = 21502': 6640' forward, 18182' = 03 Aqu 02; ...). Each position is cut
// to the minute, up to a minute below the true one, so the midpoint of the
// true positions lies from the hand's midpoint to under a minute above it.
TEST(CompositeChart, WorkedCoupleAgainstMidpointsByHand) {
  const auto match = CalculateAstroMatch(testing_support::JohnAndMary());
  ASSERT_TRUE(match);
  const RelationshipChart composite = CompositeChart(*match, HouseSystem::Placidus);
  //                                  Sun    Moon   Merc   Venus    Mars  Jup   Sat     Ura    Nep    Plu      NNode    SNode   Asc    MC
  const double byHand[FilledChartSlotCount] = {13916, 18182, 13961, 14598.5, 5275, 3344, 7943.5, 13081, 15227, 11538.5,
                                               12694.5, 1894.5, 16165, 11841.5};
  for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
    const double minutes = composite.Longitudes[slot] * 60;
    EXPECT_TRUE(minutes >= byHand[slot] && minutes < byHand[slot] + 1)
        << "slot " << slot << ": " << minutes << "' against " << byHand[slot] << "' by hand";
  }
  EXPECT_EQ(composite.Positions[SunSlot], "21 Sco 56");
  EXPECT_EQ(composite.Positions[MoonSlot], "03 Aqu 02");
  // The houses are the midpoints of both partners' cusps; cusp 1 that of the ascendants.
  const ChartHouses his = CastChartHouses(match->MaleHouseBasis, HouseSystem::Placidus);
  const ChartHouses hers = CastChartHouses(match->FemaleHouseBasis, HouseSystem::Placidus);
  for (std::size_t cusp = 0; cusp < 12; ++cusp) {
    EXPECT_DOUBLE_EQ(composite.Houses.Cusps[cusp], MidpointLongitude(his.Cusps[cusp], hers.Cusps[cusp])) << cusp + 1;
  }
  EXPECT_EQ(composite.Houses.Cusps[0], composite.Longitudes[AscendantSlot]);
  EXPECT_EQ(RelationshipStatement(composite),
            "Composite: midpoints of both charts, houses by midpoints of Placidus cusps");

  // The same couple the other way round gives the same chart, but where a pair is exactly opposite.
  AstroMatchResult swapped = *match;
  std::swap(swapped.MaleLongitudes, swapped.FemaleLongitudes);
  std::swap(swapped.MaleHouseBasis, swapped.FemaleHouseBasis);
  const RelationshipChart mirrored = CompositeChart(swapped, HouseSystem::Placidus);
  EXPECT_EQ(mirrored.Positions, composite.Positions);
}

// John: 15 August 1975, 9:00 UT at 28°36' N 77°13' E. Mary: 10 February 1978,
// 10:05 UT (6:05 EST with daylight saving) at 40°42' N 74°00' W. They are 910
// days and 1:05 apart: the middle is 455 days and 0:32:30 after his birth,
// 12 November 1976 at 9:32:30 UT. The middle of the great-circle arc between
// New Delhi and New York (the sum of their unit vectors, normalized) is at
// 69.494868° N 17.540763° E, in northern Norway, beyond the polar circle, so
// Placidus falls back to Porphyry there; its local mean time is 1:10:09.8
// ahead of universal time.
TEST(DavisonChart, WorkedCoupleMomentPlaceAndChart) {
  const auto match = CalculateAstroMatch(testing_support::JohnAndMary());
  ASSERT_TRUE(match);
  const RelationshipChart davison = DavisonChart(*match, HouseSystem::Placidus);
  const ChartInstant& at = davison.Instant;
  EXPECT_EQ(at.Year * 10000 + at.Month * 100 + at.Day, 19761112);
  EXPECT_NEAR(at.UniversalHours, 9 + 32.5 / 60, 1e-9);
  EXPECT_NEAR(at.Latitude, 69.494868, 1e-6);
  EXPECT_NEAR(at.Longitude, 17.540763, 1e-6);
  EXPECT_EQ(RelationshipStatement(davison),
            "Davison: 1976-11-12 09:32:30 UT at 69\u00B029'41\" N 17\u00B032'26\" E, local mean time 1976-11-12 "
            "10:42:39");
  ASSERT_EQ(davison.Notes.size(), 1u);
  EXPECT_EQ(davison.Notes[0], "Placidus has no cusps at 69\u00B029' N; Porphyry used");

  // It is the engines' chart of that instant, cut the same way, in both modes.
  for (const Equinox equinox : {Equinox::J2000, Equinox::OfDate}) {
    AstroMatchResult options = *match;
    options.PositionsEquinox = equinox;
    const RelationshipChart chart = DavisonChart(options, HouseSystem::Koch);
    const ChartLongitudes direct = CalculateChartLongitudes(
        {1976, 11, 12, 9 + 32.5 / 60, chart.Instant.Latitude, chart.Instant.Longitude}, options.Options());
    ChartPositions texts;
    modPlanetPosition_Western::FillSlotTexts(direct.Longitudes, texts);
    EXPECT_EQ(chart.Positions, texts) << EquinoxName(equinox);
  }
}

// A Davison moment across a month's end and before 1901: the halves of the
// days and hours carry into the date.
TEST(DavisonChart, MomentCarriesIntoTheDate) {
  const ChartInstant male{1901, 1, 1, -3.5, 0, 0}, female{1900, 12, 30, 1.25, 0, 0};
  // From 30 December 1900 1:15 to 31 December 1900 20:30 (1 January 1901
  // less 3:30) is 43:15; the middle is 21:37:30 on, 30 December 1900 at 22:52:30.
  const ChartInstant middle = DavisonInstant(male, female);
  EXPECT_EQ(middle.Year * 10000 + middle.Month * 100 + middle.Day, 19001230);
  EXPECT_NEAR(middle.UniversalHours, 22 + 52.5 / 60, 1e-9);
  EXPECT_EQ(UniversalTimeText(middle), "1900-12-30 22:52:30");
}

}  // namespace
