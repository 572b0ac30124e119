#include "astro/match/score_explanation.h"

#include "astro/engine/planets/zodiac_text.h"
#include "astro/match/compatibility_score.h"

namespace zentara {
namespace {

// "7° of Sagittarius", or "an unreadable position" for a text that is not one.
std::string MoonPlace(const std::string& slotText) {
  const auto position = ReadSlotText(slotText);
  if (!position) return "an unreadable position (0°)";
  return std::to_string(position->Degrees) + "\u00B0 of " + std::string(SignNames[static_cast<std::size_t>(position->Sign)]);
}

}  // namespace

std::vector<std::string> FourFiguresExplanation(const AstroMatchResult& match) {
  const CompatibilityScore& score = match.Score;
  const int his = SlotDegrees(match.Male[MoonSlot]), hers = SlotDegrees(match.Female[MoonSlot]);
  const std::string product = std::to_string(score.Power * score.Harmony);
  return {
      "His Moon at " + MoonPlace(match.Male[MoonSlot]) + " gives Power " + std::to_string(score.Power) + " (30 \u00D7 " +
          std::to_string(his) + ": thirty for each whole degree the Moon has gone into its sign).",
      "Her Moon at " + MoonPlace(match.Female[MoonSlot]) + " gives Harmony " + std::to_string(score.Harmony) +
          " (30 \u00D7 " + std::to_string(hers) + ").",
      "P * H is Power times Harmony over 100: " + std::to_string(score.Power) + " \u00D7 " +
          std::to_string(score.Harmony) + " = " + product + ", over 100 and rounded to a whole number (a half to the even one): " +
          std::to_string(score.PH) + ".",
      "Percentage is P * H over 100 with the rest dropped: " + std::to_string(score.Percentage) + ".",
      "Comment: " + std::to_string(score.Percentage) + " is \u201C" + std::string(score.Comment) +
          "\u201D (Very Bad up to 20, Bad to 40, Average to 60, Good to 80, Very Good above).",
      "Only the two Moons' whole degrees within their signs enter these figures: not their signs or minutes, "
      "no other body, no aspect and no house. Two Moons at the start of their signs score low whatever else "
      "the charts share; the aspects, houses and the second score below show what the figures leave out.",
  };
}

std::vector<std::string> RelationshipScoreExplanation(const RelationshipScore& score) {
  std::vector<std::string> lines = {
      "A second score, Ciro Discepolo's method as the Kerykeion library documents it: points for the Suns "
      "sharing a quality, for Sun-Sun and Sun-Moon contacts (more within 2\u00B0), and for Sun, Moon and "
      "ascendant and Venus-Mars aspects between the charts, each way. It does not change the figures above.",
      "Relationship score: " + std::to_string(score.Value) + ", " + std::string(score.Label),
  };
  for (const ScoreRule& rule : score.Breakdown) lines.push_back("+" + std::to_string(rule.Points) + "  " + rule.Rule);
  if (score.Breakdown.empty()) lines.emplace_back("No rule gives this couple points.");
  return lines;
}

}  // namespace zentara
