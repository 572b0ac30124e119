// A text as the astro form's letters boxes (name, city, state, country) can
// hold it: those boxes take only the letters A-Z and a-z and the space.
#pragma once
#include <string>
#include <string_view>

namespace zentara::places {

// `text` (UTF-8) made of plain letters and single spaces, keeping its case:
//   Latin letters with accents lose them ("São Paulo" -> "Sao Paulo");
//   letters written as two where that is their usual spelling become those
//   two ("Straße" -> "Strasse", "æ" -> "ae", "Þ" -> "TH"; "ø" -> "o", "ł" -> "l");
//   every other character (digits, punctuation, other scripts, bytes that are
//   not UTF-8) becomes a space; runs of spaces become one, and the ends are
//   trimmed ("St. Louis" -> "St Louis").
// The spelling of the Latin letters is ICU's Latin-ASCII transliteration.
// The result always passes the letters boxes' filter (key_filters.h).
std::string FormLetters(std::string_view text);

}  // namespace zentara::places
