// The aspects between two charts in words and as the command line writes them.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "astro/match/synastry.h"
#include "common/translatable.h"

namespace zentara {

// The points' names in the command line's JSON and in match --batch's columns,
// one a slot: "sun" ... "pluto", "n-node", "s-node", "asc", "mc".
inline constexpr std::array<std::string_view, FilledChartSlotCount> SlotKeys = {
    "sun",    "moon",    "mercury", "venus",  "mars",   "jupiter", "saturn",
    "uranus", "neptune", "pluto",   "n-node", "s-node", "asc",     "mc",
};

// The points' names in sentences, one a slot: "Sun" ... "Pluto", "North Node",
// "South Node", "Ascendant", "Midheaven".
// Marked for translation ("Points") where the desktop shows them alone.
inline constexpr std::array<std::string_view, FilledChartSlotCount> SlotWords = {
    QT_TRANSLATE_NOOP("Points", "Sun"),        QT_TRANSLATE_NOOP("Points", "Moon"),
    QT_TRANSLATE_NOOP("Points", "Mercury"),    QT_TRANSLATE_NOOP("Points", "Venus"),
    QT_TRANSLATE_NOOP("Points", "Mars"),       QT_TRANSLATE_NOOP("Points", "Jupiter"),
    QT_TRANSLATE_NOOP("Points", "Saturn"),     QT_TRANSLATE_NOOP("Points", "Uranus"),
    QT_TRANSLATE_NOOP("Points", "Neptune"),    QT_TRANSLATE_NOOP("Points", "Pluto"),
    QT_TRANSLATE_NOOP("Points", "North Node"), QT_TRANSLATE_NOOP("Points", "South Node"),
    QT_TRANSLATE_NOOP("Points", "Ascendant"),  QT_TRANSLATE_NOOP("Points", "Midheaven"),
};

// Whole degrees, "°" and two-digit minutes: 72 arc-minutes give "1°12'".
std::string SeparationText(int minutes);

// Degrees as a decimal with two places, rounded: 72 arc-minutes give "1.20".
std::string DecimalDegreesText(int minutes);

// The male point, the kind and the female point, and the separation:
// "Venus trine Mars, 1°12' from exact".
std::string AspectSentence(const Aspect& aspect);

// The same as the batch's column writes it: "venus-trine-mars 1.20".
std::string AspectKeyText(const Aspect& aspect);

// Every aspect as AspectKeyText, separated by "; ", appended to `out`; nothing
// for none. It holds only small letters, digits, '-', '.', ';' and spaces.
void AppendAspectList(const std::vector<Aspect>& aspects, std::string& out);

// The same written at `out`, which has room for MaxAspectListSize(count)
// bytes; returns the end of what was written.
// "; neptune-conjunction-neptune 10.00" is 35 bytes; the writing reaches 38
// bytes past an aspect's start at most (names are copied in padded blocks),
// 41 for a separation past any orb.
inline constexpr std::size_t MaxAspectKeySize = 48;
constexpr std::size_t MaxAspectListSize(std::size_t count) { return count * MaxAspectKeySize; }
char* WriteAspectList(const std::vector<Aspect>& aspects, char* out);

}  // namespace zentara
