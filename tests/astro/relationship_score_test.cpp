// The second score: the labels at their edges, and John and Mary's score
// worked by hand from the positions the report shows.
#include <gtest/gtest.h>

#include "astro/match/astro_match.h"
#include "astro/match/relationship_score.h"
#include "../gui/worked_couple.h"

namespace {

using namespace zentara;

TEST(RelationshipScore, LabelsAtTheirEdges) {
  const std::pair<int, std::string_view> edges[] = {
      {0, "Minimal"},     {4, "Minimal"},        {5, "Medium"},          {9, "Medium"},
      {10, "Important"},  {14, "Important"},     {15, "Very Important"}, {19, "Very Important"},
      {20, "Exceptional"}, {29, "Exceptional"},  {30, "Rare Exceptional"}, {97, "Rare Exceptional"},
  };
  for (const auto& [value, label] : edges) EXPECT_EQ(RelationshipScoreLabel(value), label) << value;
}

// His Sun 22 Leo 15 and her Sun 21 Aqu 37 are both in fixed signs (+5) and
// 179°22' apart, an opposition 0°38' from exact, within 2° (+11). His Sun and
// her Moon 28 Pis 22 are 143°53' apart and her Sun and his Moon 07 Sag 42
// 73°55': no aspect within the method's orbs. Neither Sun nor Moon is within
// orb of the other's ascendant (13 Sag 43, 15 Cap 07). His Venus 10 Vir 23 and
// her Mars 25 Can 10 are 45°13' apart: nothing; her Venus 26 Aqu 14 and his
// Mars 00 Gem 40 are 94°26' apart, a square 4°26' from exact within its 5°
// (+4). 20 in all: "Exceptional".
TEST(RelationshipScore, WorkedCoupleByHand) {
  const auto match = CalculateAstroMatch(testing_support::JohnAndMary());
  ASSERT_TRUE(match);
  const RelationshipScore score = ScoreRelationship(match->Male, match->Female);
  EXPECT_EQ(score.Value, 20);
  EXPECT_EQ(score.Label, "Exceptional");
  ASSERT_EQ(score.Breakdown.size(), 3u);
  EXPECT_EQ(score.Breakdown[0].Rule, "Both Suns in fixed signs");
  EXPECT_EQ(score.Breakdown[1].Rule, "His Sun opposition her Sun, 0\u00B038' from exact");
  EXPECT_EQ(score.Breakdown[1].Points, 11);
  EXPECT_EQ(score.Breakdown[2].Rule, "Her Venus square his Mars, 4\u00B026' from exact");
  EXPECT_EQ(score.Breakdown[2].Points, 4);
}

// A conjunction of his Sun and her Moon 2°01' from exact scores 8, at 2°00' 11;
// a trine between them 4 (not a conjunction); each way is counted.
TEST(RelationshipScore, SunMoonContactsBothWays) {
  ChartPositions male, female;
  for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) male[slot] = female[slot] = "";
  const auto score = [&](std::string hisSun, std::string herMoon) {
    male[SunSlot] = std::move(hisSun);
    female[MoonSlot] = std::move(herMoon);
    return ScoreRelationship(male, female).Value;
  };
  EXPECT_EQ(score("10 Ari 00", "12 Ari 01"), 8);
  EXPECT_EQ(score("10 Ari 00", "12 Ari 00"), 11);
  EXPECT_EQ(score("10 Ari 00", "10 Leo 00"), 4);
  female[SunSlot] = "10 Ari 00";
  male[MoonSlot] = "11 Ari 00";
  // Her Sun on his Moon (+11) and the Suns' conjunction 0°00' (+11) and same quality (+5) join his Sun on her Moon.
  EXPECT_EQ(score("10 Ari 00", "12 Ari 00"), 11 + 11 + 11 + 5);
}

}  // namespace
