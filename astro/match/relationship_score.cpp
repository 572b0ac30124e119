#include "astro/match/relationship_score.h"

#include <array>
#include <cstdlib>
#include <optional>

#include "astro/engine/planets/zodiac_text.h"
#include "astro/match/synastry.h"
#include "astro/match/synastry_texts.h"

namespace zentara {
namespace {

constexpr int MinutesPerDegree = 60;
// The method's orbs, one row an aspect (kerykeion.net, "Relationship Score Factory").
struct ScoreAspect {
  AspectKind Kind;
  int OrbDegrees;
};
constexpr std::array<ScoreAspect, 5> ScoreAspects = {{
    {AspectKind::Conjunction, 10},
    {AspectKind::Opposition, 10},
    {AspectKind::Trine, 8},
    {AspectKind::Sextile, 6},
    {AspectKind::Square, 5},
}};
constexpr int CloseDegrees = 2;  // within this, a major contact scores 11 instead of 8
constexpr int SameQualityPoints = 5, MajorPoints = 8, CloseMajorPoints = 11, OtherAspectPoints = 4;

struct Label {
  int From;
  std::string_view Text;
};
constexpr std::array<Label, 6> Labels = {{
    {30, "Rare Exceptional"},
    {20, "Exceptional"},
    {15, "Very Important"},
    {10, "Important"},
    {5, "Medium"},
    {0, "Minimal"},
}};

constexpr std::array<std::string_view, 3> Qualities = {"cardinal", "fixed", "mutable"};

struct Contact {
  AspectKind Kind;
  int SeparationMinutes;  // from exact
};

// The aspect between two positions, if one lies within its orb.
std::optional<Contact> ContactOf(const SlotPosition& a, const SlotPosition& b) {
  const int minutesA = (a.Sign * 30 + a.Degrees) * MinutesPerDegree + a.Minutes;
  const int minutesB = (b.Sign * 30 + b.Degrees) * MinutesPerDegree + b.Minutes;
  int apart = std::abs(minutesA - minutesB);
  if (apart > 180 * MinutesPerDegree) apart = 360 * MinutesPerDegree - apart;
  for (const ScoreAspect& aspect : ScoreAspects) {
    const int separation = std::abs(apart - AspectKindOf(aspect.Kind).Angle * MinutesPerDegree);
    if (separation <= aspect.OrbDegrees * MinutesPerDegree) return Contact{aspect.Kind, separation};
  }
  return std::nullopt;
}

class Scorer {
 public:
  Scorer(const ChartPositions& male, const ChartPositions& female) : male_(male), female_(female) {}

  // His point `first` and her point `second` (or her `first` and his
  // `second`, `hersFirst`): the `major` kinds score 8 or, within 2 degrees,
  // 11; every other aspect 4.
  void Score(ChartSlot first, ChartSlot second, bool hersFirst, std::initializer_list<AspectKind> major) {
    const auto a = ReadSlotText((hersFirst ? female_ : male_)[first]);
    const auto b = ReadSlotText((hersFirst ? male_ : female_)[second]);
    if (!a || !b) return;
    const auto contact = ContactOf(*a, *b);
    if (!contact) return;
    bool isMajor = false;
    for (const AspectKind kind : major) isMajor = isMajor || kind == contact->Kind;
    const int points = !isMajor ? OtherAspectPoints
                       : contact->SeparationMinutes <= CloseDegrees * MinutesPerDegree ? CloseMajorPoints
                                                                                      : MajorPoints;
    const std::string whose = hersFirst ? "Her " : "His ", other = hersFirst ? " his " : " her ";
    Add(whose + std::string(SlotWords[first]) + " " + std::string(AspectKindOf(contact->Kind).Name) + other +
            std::string(SlotWords[second]) + ", " + SeparationText(contact->SeparationMinutes) + " from exact",
        points);
  }

  void Add(std::string rule, int points) {
    score_.Value += points;
    score_.Breakdown.push_back({std::move(rule), points});
  }

  RelationshipScore Take() {
    score_.Label = RelationshipScoreLabel(score_.Value);
    return std::move(score_);
  }

 private:
  const ChartPositions& male_;
  const ChartPositions& female_;
  RelationshipScore score_;
};

}  // namespace

std::string_view RelationshipScoreLabel(int value) {
  for (const Label& label : Labels) {
    if (value >= label.From) return label.Text;
  }
  return Labels.back().Text;
}

RelationshipScore ScoreRelationship(const ChartPositions& male, const ChartPositions& female) {
  Scorer scorer(male, female);
  const auto hisSun = ReadSlotText(male[SunSlot]), herSun = ReadSlotText(female[SunSlot]);
  if (hisSun && herSun && hisSun->Sign % 3 == herSun->Sign % 3) {
    scorer.Add("Both Suns in " + std::string(Qualities[static_cast<std::size_t>(hisSun->Sign % 3)]) + " signs",
               SameQualityPoints);
  }
  constexpr auto Conjunction = AspectKind::Conjunction;
  scorer.Score(SunSlot, SunSlot, false, {Conjunction, AspectKind::Opposition, AspectKind::Square});
  for (const bool hersFirst : {false, true}) scorer.Score(SunSlot, MoonSlot, hersFirst, {Conjunction});
  for (const ChartSlot point : {SunSlot, MoonSlot}) {
    for (const bool hersFirst : {false, true}) scorer.Score(point, AscendantSlot, hersFirst, {});
  }
  for (const bool hersFirst : {false, true}) scorer.Score(VenusSlot, MarsSlot, hersFirst, {});
  return scorer.Take();
}

}  // namespace zentara
