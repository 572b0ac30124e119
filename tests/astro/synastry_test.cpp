// The aspects between two partners' charts: every kind at its exact angle and
// at the edges of each orb, across 0 degrees, one aspect a pair at most; the
// worked couple's list and grid; the texts; the orbs as typed.
#include <gtest/gtest.h>

#include <string>

#include "astro/match/synastry_grid.h"
#include "astro/match/synastry_texts.h"
#include "astro/match/synastry.h"
#include "tests/astro/john_and_mary_positions.h"

namespace {

using testing_support::kJohn;
using testing_support::kMary;

using namespace zentara;

// Charts with one readable point each: the rest are empty texts, which make no aspects.
std::vector<Aspect> AspectsOfOnePair(ChartSlot male, const char* maleText, ChartSlot female, const char* femaleText,
                                     const AspectOrbs& orbs = DefaultAspectOrbs) {
  ChartPositions his, hers;
  his[male] = maleText;
  hers[female] = femaleText;
  return FindAspects(his, hers, orbs);
}

TEST(FindAspects, KindsAtTheirAnglesAndTheEdgesOfEachOrb) {
  struct Case {
    const char* name;
    ChartSlot male;
    const char* maleText;
    ChartSlot female;
    const char* femaleText;
    std::optional<AspectKind> kind;
    int separation;  // arc-minutes from exact
    int orb;         // degrees
  };
  using enum AspectKind;
  const Case cases[] = {
      {"conjunction, exact", SunSlot, "00 Ari 00", MoonSlot, "00 Ari 00", Conjunction, 0, 8},
      {"sextile, exact", SunSlot, "10 Ari 00", VenusSlot, "10 Gem 00", Sextile, 0, 8},
      {"square, exact", MarsSlot, "15 Leo 30", SaturnSlot, "15 Sco 30", Square, 0, 6},
      {"trine, exact", VenusSlot, "01 Cap 01", MarsSlot, "01 Vir 01", Trine, 0, 6},
      {"opposition, exact", AscendantSlot, "29 Gem 59", MidheavenSlot, "29 Sag 59", Opposition, 0, 4},
      {"a light's orb, at its edge", SunSlot, "00 Ari 00", MarsSlot, "08 Can 00", Square, 480, 8},
      {"a light's orb, a minute past", SunSlot, "00 Ari 00", MarsSlot, "08 Can 01", {}, 0, 0},
      {"a planet's orb, at its edge", VenusSlot, "00 Ari 00", MarsSlot, "06 Leo 00", Trine, 360, 6},
      {"a planet's orb, a minute past", VenusSlot, "00 Ari 00", MarsSlot, "06 Leo 01", {}, 0, 0},
      {"a point's orb, at its edge", AscendantSlot, "00 Ari 00", MidheavenSlot, "04 Lib 00", Opposition, 240, 4},
      {"a point's orb, a minute past", AscendantSlot, "00 Ari 00", NorthNodeSlot, "04 Lib 01", {}, 0, 0},
      {"a pair takes the larger orb", AscendantSlot, "00 Ari 00", VenusSlot, "06 Ari 00", Conjunction, 360, 6},
      {"the Moon's orb for the midheaven", MidheavenSlot, "22 Pis 00", MoonSlot, "00 Ari 00", Conjunction, 480, 8},
      {"across 0 degrees, 1' apart", JupiterSlot, "29 Pis 59", PlutoSlot, "00 Ari 00", Conjunction, 1, 6},
      {"across 0 degrees, either way", MoonSlot, "00 Ari 30", SunSlot, "29 Pis 30", Conjunction, 60, 8},
      {"opposition across 0 degrees", MercurySlot, "10 Ari 00", UranusSlot, "12 Lib 00", Opposition, 120, 6},
      {"sextile the short way round", NeptuneSlot, "25 Pis 00", MercurySlot, "27 Tau 00", Sextile, 120, 6},
      {"a semi-square is none", SunSlot, "00 Ari 00", MoonSlot, "15 Tau 00", {}, 0, 0},
      {"the south node takes no part", SunSlot, "00 Ari 00", SouthNodeSlot, "00 Ari 00", {}, 0, 0},
      {"an unreadable text takes no part", SunSlot, "00 Ari 00", MoonSlot, "00 Xyz 00", {}, 0, 0},
  };
  for (const Case& c : cases) {
    const std::vector<Aspect> found = AspectsOfOnePair(c.male, c.maleText, c.female, c.femaleText);
    if (!c.kind) {
      EXPECT_TRUE(found.empty()) << c.name << ": expected none, got "
                                 << (found.empty() ? "" : AspectSentence(found[0]));
      continue;
    }
    const Aspect expected{c.male, c.female, *c.kind, AspectKindOf(*c.kind).Angle, c.orb, c.separation};
    ASSERT_EQ(found.size(), 1u) << c.name;
    EXPECT_EQ(found[0], expected) << c.name << ": expected " << AspectSentence(expected) << " (orb " << c.orb
                                  << "), got " << AspectSentence(found[0]) << " (orb " << found[0].Orb << ")";
  }
}

// With the widest orbs allowed, each separation of the circle, minute by
// minute, gives the one aspect whose angle lies within 10 degrees, or none.
TEST(FindAspects, NoPairFallsInTwoAspects) {
  const AspectOrbs widest{LargestAspectOrb, LargestAspectOrb, LargestAspectOrb};
  ChartPositions his, hers;
  his[SunSlot] = "00 Ari 00";
  for (int minutes = 0; minutes < 360 * 60; ++minutes) {
    const int sign = minutes / 1800, degrees = minutes / 60 % 30, rest = minutes % 60;
    hers[VenusSlot] = std::to_string(degrees) + " " + std::string("AriTauGemCanLeoVirLibScoSagCapAquPis")
                                                          .substr(static_cast<std::size_t>(3 * sign), 3) +
                      " " + std::to_string(rest);
    const int apart = std::min(minutes, 360 * 60 - minutes);
    std::vector<const AspectKindRow*> within;
    for (const AspectKindRow& kind : AspectKinds) {
      if (std::abs(apart - 60 * kind.Angle) <= 60 * LargestAspectOrb) within.push_back(&kind);
    }
    const std::vector<Aspect> found = FindAspects(his, hers, widest);
    ASSERT_LE(within.size(), 1u) << hers[VenusSlot];
    ASSERT_EQ(found.size(), within.size()) << hers[VenusSlot];
    if (!found.empty()) {
      ASSERT_EQ(found[0].Kind, within[0]->Kind) << hers[VenusSlot];
      ASSERT_EQ(found[0].SeparationMinutes, std::abs(apart - 60 * within[0]->Angle)) << hers[VenusSlot];
    }
  }
  // Orbs past the largest count as the largest, and below 0 as 0.
  EXPECT_EQ(AspectsOfOnePair(SunSlot, "00 Ari 00", MoonSlot, "20 Ari 00", {30, 30, 30}).size(), 0u);
  EXPECT_EQ(AspectsOfOnePair(SunSlot, "00 Ari 00", MoonSlot, "10 Ari 00", {30, 30, 30}).size(), 1u);
  EXPECT_EQ(AspectsOfOnePair(SunSlot, "00 Ari 00", MoonSlot, "00 Ari 00", {-5, -5, -5}).size(), 1u);
  // Orbs of 0 leave only exact aspects.
  EXPECT_EQ(AspectsOfOnePair(SunSlot, "00 Ari 00", MoonSlot, "00 Leo 00", {0, 0, 0}).size(), 1u);
  EXPECT_TRUE(AspectsOfOnePair(SunSlot, "00 Ari 00", MoonSlot, "00 Leo 01", {0, 0, 0}).empty());
}

// John and Mary: every aspect, closest first, worked out by hand from their
// slot texts with orbs 8, 6 and 4.
constexpr const char* kJohnAndMarysAspects =
    "neptune-sextile-mercury 0.05; moon-sextile-n-node 0.22; jupiter-square-mars 0.22; mc-sextile-mars 0.23; "
    "pluto-conjunction-n-node 0.27; n-node-trine-mars 0.50; n-node-square-venus 0.57; venus-sextile-mc 0.60; "
    "sun-opposition-sun 0.63; jupiter-sextile-venus 1.28; uranus-sextile-saturn 1.40; saturn-trine-moon 1.53; "
    "jupiter-sextile-jupiter 1.57; mc-square-jupiter 1.58; pluto-trine-mercury 1.65; saturn-conjunction-mars 1.67; "
    "moon-sextile-mercury 1.70; neptune-sextile-n-node 1.87; n-node-square-saturn 2.28; mars-sextile-moon 2.30; "
    "n-node-trine-moon 2.70; mars-square-saturn 2.72; uranus-trine-jupiter 2.83; jupiter-trine-saturn 3.00; "
    "uranus-trine-venus 3.12; asc-sextile-pluto 3.15; jupiter-sextile-sun 3.33; mc-opposition-moon 3.43; "
    "mercury-sextile-mc 3.82; sun-opposition-venus 3.98; sun-trine-neptune 4.03; n-node-square-sun 4.05; "
    "uranus-square-mars 4.18; sun-sextile-jupiter 4.27; asc-sextile-mercury 4.32; mars-square-venus 4.43; "
    "asc-conjunction-neptune 4.50; venus-trine-asc 4.73; sun-sextile-pluto 5.38; mars-sextile-mars 5.50; "
    "sun-square-uranus 5.57; sun-conjunction-saturn 5.70; uranus-trine-sun 7.73; asc-sextile-sun 7.90";

TEST(FindAspects, TheWorkedCoupleClosestFirst) {
  std::string listed;
  AppendAspectList(FindAspects(kJohn, kMary), listed);
  EXPECT_EQ(listed, kJohnAndMarysAspects);
  // Narrower orbs keep only the closer ones, in the same order.
  listed.clear();
  AppendAspectList(FindAspects(kJohn, kMary, {1, 1, 0}), listed);
  EXPECT_EQ(listed, "neptune-sextile-mercury 0.05; moon-sextile-n-node 0.22; jupiter-square-mars 0.22; "
                    "mc-sextile-mars 0.23; pluto-conjunction-n-node 0.27; n-node-trine-mars 0.50; "
                    "n-node-square-venus 0.57; venus-sextile-mc 0.60; sun-opposition-sun 0.63");
}

TEST(ArrangeAspectGrid, TheWorkedCouplesCellsAndTightestFive) {
  const std::vector<Aspect> aspects = FindAspects(kJohn, kMary);
  const AspectGrid grid = ArrangeAspectGrid(aspects);
  // Row (male point), column (female point), and the cell's symbol and separation;
  // an empty symbol for an empty cell.
  struct Cell {
    std::size_t row, column;
    const char* symbol;
    const char* separation;
  };
  const Cell cells[] = {
      {0, 0, "\u260D", "0\u00B038'"},   // his Sun opposite her Sun
      {8, 2, "\u2731", "0\u00B003'"},   // his Neptune sextile her Mercury
      {12, 1, "\u260D", "3\u00B026'"},  // his midheaven opposite her Moon
      {10, 4, "\u25B3", "0\u00B030'"},  // his north node trine her Mars
      {5, 4, "\u25A1", "0\u00B013'"},   // his Jupiter square her Mars
      {11, 0, "\u2731", "7\u00B054'"},  // his ascendant sextile her Sun
      {0, 1, "", ""},  {1, 0, "", ""}, {12, 12, "", ""},
  };
  for (const Cell& c : cells) {
    const std::optional<Aspect>& cell = grid.Cells[c.row][c.column];
    const std::string symbol = cell ? std::string(AspectKindOf(cell->Kind).Symbol) : "";
    const std::string separation = cell ? SeparationText(cell->SeparationMinutes) : "";
    EXPECT_EQ(symbol + " " + separation, std::string(c.symbol) + " " + c.separation)
        << "row " << c.row << ", column " << c.column;
    if (cell) {
      EXPECT_EQ(std::pair(cell->Male, cell->Female), std::pair(AspectPoints[c.row], AspectPoints[c.column]));
    }
  }
  std::size_t filled = 0;
  for (const auto& row : grid.Cells) {
    for (const std::optional<Aspect>& cell : row) filled += cell.has_value();
  }
  EXPECT_EQ(filled, aspects.size());

  const std::vector<std::string> tightest = TightestAspectSentences(aspects);
  const std::vector<std::string> expected = {
      "Neptune sextile Mercury, 0\u00B003' from exact", "Moon sextile North Node, 0\u00B013' from exact",
      "Jupiter square Mars, 0\u00B013' from exact",     "Midheaven sextile Mars, 0\u00B014' from exact",
      "Pluto conjunction North Node, 0\u00B016' from exact"};
  EXPECT_EQ(tightest, expected);
  EXPECT_EQ(TightestAspectSentences(std::vector<Aspect>(aspects.begin(), aspects.begin() + 2)).size(), 2u);
}

TEST(AspectTexts, SeparationsInDegreesAndMinutesAndAsDecimals) {
  // arc-minutes, as degrees and minutes, as a decimal of two places
  const struct {
    int minutes;
    const char* separation;
    const char* decimal;
  } rows[] = {{0, "0\u00B000'", "0.00"}, {1, "0\u00B001'", "0.02"},  {2, "0\u00B002'", "0.03"},
              {59, "0\u00B059'", "0.98"}, {72, "1\u00B012'", "1.20"}, {600, "10\u00B000'", "10.00"}};
  for (const auto& row : rows) {
    EXPECT_EQ(SeparationText(row.minutes), row.separation) << row.minutes;
    EXPECT_EQ(DecimalDegreesText(row.minutes), row.decimal) << row.minutes;
  }
  const Aspect venusTrineMars{VenusSlot, MarsSlot, AspectKind::Trine, 120, 6, 72};
  EXPECT_EQ(AspectSentence(venusTrineMars), "Venus trine Mars, 1\u00B012' from exact");
  EXPECT_EQ(AspectKeyText(venusTrineMars), "venus-trine-mars 1.20");
  std::string none;
  AppendAspectList({}, none);
  EXPECT_EQ(none, "");
}

TEST(ReadAspectOrbs, ThreeWholeDegreesUpTo10) {
  EXPECT_EQ(ReadAspectOrbs("8,6,4"), (AspectOrbs{8, 6, 4}));
  EXPECT_EQ(ReadAspectOrbs("0,10,07"), (AspectOrbs{0, 10, 7}));
  EXPECT_EQ(AspectOrbsText(DefaultAspectOrbs), "8,6,4");
  EXPECT_EQ(ReadAspectOrbs(AspectOrbsText({10, 0, 3})), (AspectOrbs{10, 0, 3}));
  for (const char* bad : {"", "8,6", "8,6,4,", "8,6,4,2", "11,6,4", "8,6,-1", "8, 6,4", "8;6;4", "8,,4", "7.5,6,4",
                          "a,b,c", "1000,6,4"}) {
    EXPECT_FALSE(ReadAspectOrbs(bad)) << "'" << bad << "'";
  }
}

}  // namespace
