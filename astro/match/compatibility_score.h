// The astrological compatibility score of two charts. Only the Moons count: the
// male Moon's whole degrees within its sign give the Power, the female Moon's
// the Harmony.
#pragma once
#include <cstdint>
#include <string_view>

#include "astro/engine/birth_moment.h"

namespace zentara {

struct CompatibilityScore {
  std::int32_t Power = 0;       // 30 x male Moon degrees: 0 to 870
  std::int32_t Harmony = 0;     // 30 x female Moon degrees: 0 to 870
  std::int32_t PH = 0;          // Power x Harmony / 100, halves to even: 0 to 7569
  std::int32_t Percentage = 0;  // PH / 100, rounded down: 0 to 75
  std::string_view Comment;     // CompatibilityComment(Percentage)
};

// The whole degrees a slot text starts with ("05 Leo 07" gives 5): the leading
// digits among its first two characters, 0 when there are none.
int SlotDegrees(std::string_view slotText);

// "Very Bad" up to 20, "Bad" 21 to 40, "Average" 41 to 60, "Good" 61 to 80,
// "Very Good" from 81.
std::string_view CompatibilityComment(std::int32_t percentage);

// The score from the two Moons' whole degrees.
CompatibilityScore ScoreMoonDegrees(int maleMoonDegrees, int femaleMoonDegrees);

// The score from slot 1 (the Moon) of both partners' charts.
CompatibilityScore ScoreCompatibility(const ChartPositions& male, const ChartPositions& female);

}  // namespace zentara
