#include "astro/match/compatibility_score.h"

#include "common/number_text.h"

namespace zentara {
namespace {

struct CommentBand {
  std::int32_t upTo;  // the highest percentage of the band
  std::string_view comment;
};

constexpr CommentBand kCommentBands[] = {
    {20, "Very Bad"},
    {40, "Bad"},
    {60, "Average"},
    {80, "Good"},
};
constexpr std::string_view kBestComment = "Very Good";

// numerator / 100 to the nearest whole number, halves to the even neighbour
// (numerator >= 0).
std::int32_t HundredthRoundedToEven(std::int32_t numerator) {
  std::int32_t quotient = numerator / 100;
  const std::int32_t remainder = numerator % 100;
  if (remainder > 50 || (remainder == 50 && quotient % 2 != 0)) ++quotient;
  return quotient;
}

}  // namespace

int SlotDegrees(std::string_view slotText) {
  // Up to two leading digits; none reads as 0.
  std::size_t end = 0;
  return ReadDigitRun(slotText, end, 0, 2).value_or(0);
}

std::string_view CompatibilityComment(std::int32_t percentage) {
  for (const CommentBand& band : kCommentBands) {
    if (percentage <= band.upTo) return band.comment;
  }
  return kBestComment;
}

CompatibilityScore ScoreMoonDegrees(int maleMoonDegrees, int femaleMoonDegrees) {
  CompatibilityScore score;
  score.Power = 30 * maleMoonDegrees;
  score.Harmony = 30 * femaleMoonDegrees;
  score.PH = HundredthRoundedToEven(score.Power * score.Harmony);
  score.Percentage = score.PH / 100;
  score.Comment = CompatibilityComment(score.Percentage);
  return score;
}

CompatibilityScore ScoreCompatibility(const ChartPositions& male, const ChartPositions& female) {
  return ScoreMoonDegrees(SlotDegrees(male[MoonSlot]), SlotDegrees(female[MoonSlot]));
}

}  // namespace zentara
