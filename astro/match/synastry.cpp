#include "astro/match/synastry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "astro/engine/planets/zodiac_text.h"
#include "astro/match/birth_from_entries.h"

namespace zentara {
namespace {

constexpr int MinutesPerDegree = 60;
constexpr int MinutesPerCircle = 360 * MinutesPerDegree;
constexpr int HalfCircleMinutes = MinutesPerCircle / 2;
constexpr int NoPosition = -1;

// The kind whose angle lies nearest a separation of two points, by steps of
// 64 arc-minutes from 0 to 180 degrees: one shift and one look-up a pair
// instead of a test of every kind. A step is judged by its middle; steps across
// a halfway angle (30, 75, 105 and 150 degrees) may go either way, which does
// not matter: those lie 20 degrees or more outside any orb.
constexpr int StepShift = 6;
constexpr int Distance(int a, int b) { return a < b ? b - a : a - b; }  // std::abs is not constexpr before C++23
constexpr std::array<std::uint8_t, (HalfCircleMinutes >> StepShift) + 1> NearestKinds = [] {
  std::array<std::uint8_t, (HalfCircleMinutes >> StepShift) + 1> nearest{};
  for (std::size_t step = 0; step < nearest.size(); ++step) {
    const int middle = static_cast<int>(step << StepShift) + (1 << StepShift) / 2;
    std::size_t best = 0;
    for (std::size_t kind = 1; kind < AspectKinds.size(); ++kind) {
      if (Distance(middle, AspectKinds[kind].Angle * MinutesPerDegree) <
          Distance(middle, AspectKinds[best].Angle * MinutesPerDegree)) {
        best = kind;
      }
    }
    nearest[step] = static_cast<std::uint8_t>(best);
  }
  return nearest;
}();
static_assert(LargestAspectOrb <= 20, "an orb must stay clear of the steps across the halfway angles");

// The kinds' angles in arc-minutes, in AspectKinds order.
constexpr std::array<int, AspectKinds.size()> KindMinutes = [] {
  std::array<int, AspectKinds.size()> minutes{};
  for (std::size_t kind = 0; kind < minutes.size(); ++kind) minutes[kind] = AspectKinds[kind].Angle * MinutesPerDegree;
  return minutes;
}();

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

// A pair of points within its orb, packed into one number: the separation
// above the male point's index, the female point's index and the kind's. Sorted
// as numbers, such keys put the closest first and equally close ones in the
// grid's order.
using PairKey = std::uint32_t;
constexpr int KindBits = 4, PointBits = 4;
constexpr int FemaleShift = KindBits, MaleShift = FemaleShift + PointBits, SeparationShift = MaleShift + PointBits;
constexpr PairKey Field = (1u << PointBits) - 1;
static_assert(AspectPointCount <= Field + 1 && AspectKinds.size() <= Field + 1);

// Sorts `count` keys by their separations (at most LargestAspectOrb degrees:
// ten bits), keeping the order of equal ones: two passes of a radix sort on
// five bits each, without a comparison and without allocating.
void SortBySeparation(std::array<PairKey, AspectPointCount * AspectPointCount>& keys, std::size_t count) {
  static_assert(LargestAspectOrb * MinutesPerDegree < 1 << 10);
  constexpr int DigitBits = 5;
  constexpr std::size_t Buckets = 1 << DigitBits;
  std::array<PairKey, AspectPointCount * AspectPointCount> other;
  auto* from = &keys;
  auto* to = &other;
  for (int shift = SeparationShift; shift < SeparationShift + 2 * DigitBits; shift += DigitBits) {
    std::array<std::size_t, Buckets + 1> starts{};
    for (std::size_t i = 0; i < count; ++i) ++starts[((*from)[i] >> shift & (Buckets - 1)) + 1];
    for (std::size_t b = 1; b <= Buckets; ++b) starts[b] += starts[b - 1];
    for (std::size_t i = 0; i < count; ++i) (*to)[starts[(*from)[i] >> shift & (Buckets - 1)]++] = (*from)[i];
    std::swap(from, to);
  }
  // After an even number of passes the keys are back in `keys`.
}

}  // namespace

const AspectKindRow& AspectKindOf(AspectKind kind) { return AspectKinds[static_cast<std::size_t>(kind)]; }

std::vector<Aspect> FindAspects(const ChartPositions& male, const ChartPositions& female, const AspectOrbs& orbs) {
  std::vector<Aspect> aspects;
  FindAspects(male, female, orbs, aspects);
  return aspects;
}

void FindAspects(const ChartPositions& male, const ChartPositions& female, const AspectOrbs& orbs,
                 std::vector<Aspect>& aspects) {
  const std::array<int, AspectPointCount> his = PointMinutes(male), hers = PointMinutes(female);
  std::array<int, AspectPointCount> pointOrbs, orbMinutes;
  for (std::size_t i = 0; i < AspectPointCount; ++i) {
    pointOrbs[i] = std::clamp(PointOrb(orbs, AspectPoints[i]), 0, LargestAspectOrb);
    orbMinutes[i] = pointOrbs[i] * MinutesPerDegree;
  }
  // Every pair's key is written in turn and kept only if the pair is within
  // its orb, so the loop has no branch the processor must guess.
  std::array<PairKey, AspectPointCount * AspectPointCount> keys;
  std::size_t found = 0;
  for (std::size_t m = 0; m < AspectPointCount; ++m) {
    if (his[m] == NoPosition) continue;
    for (std::size_t f = 0; f < AspectPointCount; ++f) {
      // The shorter way round the circle between the two, 0 to 180 degrees.
      int apart = std::abs(his[m] - hers[f]);
      if (apart > HalfCircleMinutes) apart = MinutesPerCircle - apart;
      // Orbs of at most LargestAspectOrb leave room for the nearest kind only.
      const std::size_t kind = NearestKinds[static_cast<std::size_t>(apart >> StepShift)];
      const int separation = std::abs(apart - KindMinutes[kind]);
      const int orb = std::max(orbMinutes[m], orbMinutes[f]);  // the pair's, in arc-minutes
      keys[found] = static_cast<PairKey>(separation) << SeparationShift | static_cast<PairKey>(m) << MaleShift |
                    static_cast<PairKey>(f) << FemaleShift | static_cast<PairKey>(kind);
      found += static_cast<std::size_t>(separation <= orb && hers[f] != NoPosition);
    }
  }
  SortBySeparation(keys, found);  // found in the grid's order
  aspects.resize(found);
  for (std::size_t i = 0; i < found; ++i) {
    const std::size_t m = keys[i] >> MaleShift & Field, f = keys[i] >> FemaleShift & Field;
    const AspectKindRow& kind = AspectKinds[keys[i] & Field];
    aspects[i] = {AspectPoints[m], AspectPoints[f], kind.Kind, kind.Angle, std::max(pointOrbs[m], pointOrbs[f]),
                  static_cast<int>(keys[i] >> SeparationShift)};
  }
}

std::vector<Aspect> FindAspectsWithin(const ChartPositions& chart, const AspectOrbs& orbs) {
  // The chart against itself holds every pair twice and each point with
  // itself; AspectPoints runs in slot order, so the earlier point has the
  // smaller slot.
  std::vector<Aspect> aspects = FindAspects(chart, chart, orbs);
  std::erase_if(aspects, [](const Aspect& aspect) { return aspect.Male >= aspect.Female; });
  return aspects;
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
