// The aspects between two partners' charts (synastry): for every pair of one
// male and one female point, the major aspect their longitudes make, if any.
//
// Thirteen points of each chart take part: the Sun, the Moon, Mercury to Pluto,
// the north node, the ascendant and the midheaven (the south node is always
// opposite the north node, so it would only repeat it). The longitudes are
// read from the slot texts the report shows, to the whole arc-minute, so all
// the arithmetic is in whole arc-minutes and exact.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/engine/birth_moment.h"

namespace zentara {

enum class AspectKind { Conjunction, Sextile, Square, Trine, Opposition };

// How an aspect is read: trines and sextiles flow, squares and oppositions
// strain, and a conjunction takes the nature of the two points it joins.
enum class AspectTone { Conjunction, Harmonious, Tense };

// The five major aspects, one row a kind: the exact angle in degrees, the
// name, the symbol (UTF-8, in DejaVu Sans, which lacks the sextile's own sign
// U+26B9: its six-armed heavy asterisk stands in) and the tone.
struct AspectKindRow {
  AspectKind Kind;
  int Angle;
  std::string_view Name;
  std::string_view Symbol;
  AspectTone Tone;
};
inline constexpr std::array<AspectKindRow, 5> AspectKinds = {{
    {AspectKind::Conjunction, 0, "conjunction", "\u260C", AspectTone::Conjunction},
    {AspectKind::Sextile, 60, "sextile", "\u2731", AspectTone::Harmonious},
    {AspectKind::Square, 90, "square", "\u25A1", AspectTone::Tense},
    {AspectKind::Trine, 120, "trine", "\u25B3", AspectTone::Harmonious},
    {AspectKind::Opposition, 180, "opposition", "\u260D", AspectTone::Tense},
}};
const AspectKindRow& AspectKindOf(AspectKind kind);

// The points that take part, in the order of the grid's rows and columns.
inline constexpr std::size_t AspectPointCount = 13;
inline constexpr std::array<ChartSlot, AspectPointCount> AspectPoints = {
    SunSlot,    MoonSlot,   MercurySlot, VenusSlot,     MarsSlot,      JupiterSlot,   SaturnSlot,
    UranusSlot, NeptuneSlot, PlutoSlot,  NorthNodeSlot, AscendantSlot, MidheavenSlot,
};

// The orbs, in whole degrees, of the three kinds of point: the lights (the Sun
// and the Moon), the other planets, and the sensitive points (the north node,
// the ascendant and the midheaven). A pair of points takes the larger orb of
// its two; a separation from exact equal to the orb still counts.
struct AspectOrbs {
  int Luminaries = 0;
  int Planets = 0;
  int Points = 0;
  friend bool operator==(const AspectOrbs&, const AspectOrbs&) = default;
};

// Wider for the lights, which weigh most in a chart, and narrowest for the
// points, which are not bodies; tiered orbs of this kind are what synastry
// grids commonly use. The three numbers are this program's choice, not the
// table of any one published author.
inline constexpr AspectOrbs DefaultAspectOrbs{8, 6, 4};

// Each orb may be set from 0 to this many degrees. Any two aspects lie at least
// 60 degrees apart, so with orbs up to 10 no pair can fall within two.
inline constexpr int LargestAspectOrb = 10;

struct Aspect {
  ChartSlot Male = SunSlot;
  ChartSlot Female = SunSlot;
  AspectKind Kind = AspectKind::Conjunction;
  int Angle = 0;              // the kind's exact angle, degrees
  int Orb = 0;                // the pair's orb, degrees
  int SeparationMinutes = 0;  // from exact, arc-minutes: 0 to 60 x Orb
  friend bool operator==(const Aspect&, const Aspect&) = default;
};

// Every aspect between a male and a female point, the closest to exact first
// (equally close ones in the grid's order: by male point, then female point).
// A point whose slot text cannot be read (see ReadSlotText) makes none. An orb
// outside 0 to LargestAspectOrb counts as the nearer of the two.
std::vector<Aspect> FindAspects(const ChartPositions& male, const ChartPositions& female,
                                const AspectOrbs& orbs = DefaultAspectOrbs);

// The same into `aspects`, which keeps its storage from one call to the next.
void FindAspects(const ChartPositions& male, const ChartPositions& female, const AspectOrbs& orbs,
                 std::vector<Aspect>& aspects);

// The aspects among one chart's own points, each pair once: Male is the
// earlier of the two in AspectPoints' order and Female the later (a point and
// itself make none). Closest first.
std::vector<Aspect> FindAspectsWithin(const ChartPositions& chart, const AspectOrbs& orbs = DefaultAspectOrbs);

// Orbs written as the command line and the settings take them: the three
// whole numbers separated by commas, lights first ("8,6,4").
std::string AspectOrbsText(const AspectOrbs& orbs);

// The orbs of such a text: three numbers of one to three digits, each from 0
// to LargestAspectOrb, separated by single commas; nothing for any other text.
std::optional<AspectOrbs> ReadAspectOrbs(std::string_view text);

}  // namespace zentara
