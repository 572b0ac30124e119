// Folding names for search: "São Paulo", "SAO-PAULO" and "sao  paulo" all
// become "sao paulo", and "МОСКВА" and "Москва" both "москва", so a typed name
// finds a place whatever its case, accents and punctuation.
#pragma once
#include <string>
#include <string_view>

namespace zentara::places {

// `text` (UTF-8) folded for comparison: decomposed (so an accent typed as a
// combining mark counts as the accented letter) and without its diacritical
// marks, in any script ("é", "e\u0301" -> "e", "ή" -> "η", "ё" -> "е"); Latin
// letters with strokes or ligatures spelt in plain ASCII ("ß" -> "ss",
// "Ł" -> "l", "Æ" -> "ae"); every letter case-folded ("A" -> "a", "Σ", "ς" ->
// "σ"); hyphens, dashes and no-break spaces become spaces; apostrophes, full
// stops and transliteration marks are dropped; runs of white space become one
// space, with none at either end. Other characters (scripts without case,
// digits, remaining punctuation) are kept as they are; bytes that are not
// UTF-8 are dropped. Folding a folded text changes nothing.
std::string FoldForSearch(std::string_view text);

}  // namespace zentara::places
