#include "astro/match/aspects.h"

#include <algorithm>
#include <cstdlib>

#include "astro/match/birth_from_entries.h"
#include "astro/match/chart_wheel.h"

namespace zentara {
namespace {

constexpr int MinutesPerDegree = 60;
constexpr int MinutesPerCircle = 360 * MinutesPerDegree;
constexpr int HalfCircleMinutes = MinutesPerCircle / 2;
constexpr int NoPosition = -1;

// A chart's thirteen points as longitudes in whole arc-minutes, in
// AspectPoints order; NoPosition for an unreadable text.
std::array<int, AspectPointCount> PointMinutes(const ChartPositions& chart) {
  std::array<int, AspectPointCount> minutes{};
  for (std::size_t i = 0; i < AspectPointCount; ++i) {
    const auto position = ReadSlotText(chart[AspectPoints[i]]);
    minutes[i] = position ? (30 * position->Sign + position->Degrees) * MinutesPerDegree + position->Minutes
                          : NoPosition;
  }
  return minutes;
}

int PointOrb(const AspectOrbs& orbs, ChartSlot slot) {
  if (slot == SunSlot || slot == MoonSlot) return orbs.Luminaries;
  if (slot == NorthNodeSlot || slot == SouthNodeSlot || slot == AscendantSlot || slot == MidheavenSlot) {
    return orbs.Points;
  }
  return orbs.Planets;
}

// Sorts by separation, keeping the order of equally close ones: an insertion
// sort, stable, without allocating, and quick for the score or so of aspects
// a couple has.
void SortByCloseness(std::vector<Aspect>& aspects) {
  for (std::size_t i = 1; i < aspects.size(); ++i) {
    const Aspect next = aspects[i];
    std::size_t j = i;
    for (; j > 0 && aspects[j - 1].SeparationMinutes > next.SeparationMinutes; --j) aspects[j] = aspects[j - 1];
    aspects[j] = next;
  }
}

}  // namespace

const AspectKindRow& AspectKindOf(AspectKind kind) { return AspectKinds[static_cast<std::size_t>(kind)]; }

int PairOrb(const AspectOrbs& orbs, ChartSlot male, ChartSlot female) {
  return std::max(PointOrb(orbs, male), PointOrb(orbs, female));
}

std::vector<Aspect> FindAspects(const ChartPositions& male, const ChartPositions& female, const AspectOrbs& orbs) {
  std::vector<Aspect> aspects;
  FindAspects(male, female, orbs, aspects);
  return aspects;
}

void FindAspects(const ChartPositions& male, const ChartPositions& female, const AspectOrbs& orbs,
                 std::vector<Aspect>& aspects) {
  aspects.clear();
  const std::array<int, AspectPointCount> his = PointMinutes(male), hers = PointMinutes(female);
  for (std::size_t m = 0; m < AspectPointCount; ++m) {
    if (his[m] == NoPosition) continue;
    for (std::size_t f = 0; f < AspectPointCount; ++f) {
      if (hers[f] == NoPosition) continue;
      // The shorter way round the circle between the two, 0 to 180 degrees.
      int apart = std::abs(his[m] - hers[f]);
      if (apart > HalfCircleMinutes) apart = MinutesPerCircle - apart;
      const int orb = PairOrb(orbs, AspectPoints[m], AspectPoints[f]);
      for (const AspectKindRow& kind : AspectKinds) {
        const int separation = std::abs(apart - kind.Angle * MinutesPerDegree);
        if (separation <= orb * MinutesPerDegree) {
          aspects.push_back({AspectPoints[m], AspectPoints[f], kind.Kind, kind.Angle, orb, separation});
          break;  // orbs of at most LargestAspectOrb leave no room for a second
        }
      }
    }
  }
  SortByCloseness(aspects);  // found in the grid's order
}

std::string AspectOrbsText(const AspectOrbs& orbs) {
  return std::to_string(orbs.Luminaries) + "," + std::to_string(orbs.Planets) + "," + std::to_string(orbs.Points);
}

std::optional<AspectOrbs> ReadAspectOrbs(std::string_view text) {
  std::array<int, 3> orbs{};
  for (std::size_t i = 0; i < orbs.size(); ++i) {
    const std::size_t comma = i + 1 < orbs.size() ? text.find(',') : text.size();
    if (comma == std::string_view::npos) return std::nullopt;
    const auto orb = ReadBoxNumber(text.substr(0, comma));
    if (!orb || *orb > LargestAspectOrb) return std::nullopt;
    orbs[i] = *orb;
    text.remove_prefix(std::min(comma + 1, text.size()));
  }
  return AspectOrbs{orbs[0], orbs[1], orbs[2]};
}

}  // namespace zentara
