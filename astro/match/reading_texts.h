// What the couple's aspects and house overlays mean, in plain words, written
// for this program. A paragraph for each pair of the thirteen synastry points
// (a point with itself included: 91 pairs) in each of three families of
// aspect (conjunction; flowing: trine and sextile; tense: square and
// opposition), and for each planet and the north node in each house of the
// partner. The paragraphs are put together from tables: each point's theme,
// each pair's keynote, each family's sentences and each house's field of life,
// so every paragraph says what is particular to its pair, family or house.
#pragma once
#include <string>
#include <string_view>

#include "astro/match/synastry.h"

namespace zentara {

enum class AspectFamily { Conjunction, Flowing, Tense };
AspectFamily FamilyOf(AspectKind kind);

// The paragraph of his point `male` and her point `female` in an aspect of
// `kind`, with the names in their places.
std::string AspectText(ChartSlot male, ChartSlot female, AspectKind kind, std::string_view hisName,
                       std::string_view herName);

// The paragraph of `owner`'s point in the `house` (1 to 12) of `host`: one of
// the ten planets or the north node; empty for any other point or house.
std::string OverlayText(ChartSlot point, int house, std::string_view owner, std::string_view host);

// The overlays have texts for these points: the planets and the north node.
inline constexpr std::size_t OverlayPointCount = 11;

}  // namespace zentara
