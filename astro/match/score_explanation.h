// What the report frame's Scores tab says: how the report's four figures come
// about for this couple, with its own numbers, and the second score with the
// rules that gave its points. It explains; it changes no figure.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "astro/match/astro_match.h"
#include "astro/match/relationship_score.h"

#include "common/translatable.h"

namespace zentara {

// The signs' names, Aries first.
inline constexpr std::array<std::string_view, 12> SignNames = {
    QT_TRANSLATE_NOOP("Signs", "Aries"),     QT_TRANSLATE_NOOP("Signs", "Taurus"),
    QT_TRANSLATE_NOOP("Signs", "Gemini"),    QT_TRANSLATE_NOOP("Signs", "Cancer"),
    QT_TRANSLATE_NOOP("Signs", "Leo"),       QT_TRANSLATE_NOOP("Signs", "Virgo"),
    QT_TRANSLATE_NOOP("Signs", "Libra"),     QT_TRANSLATE_NOOP("Signs", "Scorpio"),
    QT_TRANSLATE_NOOP("Signs", "Sagittarius"), QT_TRANSLATE_NOOP("Signs", "Capricorn"),
    QT_TRANSLATE_NOOP("Signs", "Aquarius"),  QT_TRANSLATE_NOOP("Signs", "Pisces"),
};

// The four figures explained, one paragraph a line: "His Moon at 7° of
// Sagittarius gives Power 210 (30 × 7).", then Harmony, P * H, Percentage and
// Comment, then that no other body enters them.
std::vector<std::string> FourFiguresExplanation(const AstroMatchResult& match);

// The second score: what it is, its value and label, and one line a rule that
// gave points ("+11  His Sun opposition her Sun, 0°38' from exact").
std::vector<std::string> RelationshipScoreExplanation(const RelationshipScore& score);

}  // namespace zentara
