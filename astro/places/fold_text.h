// Folding names for search: "São Paulo", "SAO-PAULO" and "sao  paulo" all
// become "sao paulo", so a typed name finds a place whatever its case, accents
// and punctuation.
#pragma once
#include <string>
#include <string_view>

namespace zentara::places {

// `text` (UTF-8) folded for comparison: ASCII letters lower-cased; Latin
// letters with accents, strokes or ligatures spelt in plain ASCII ("ß" -> "ss",
// "Ł" -> "l", "Æ" -> "ae"); hyphens, dashes and no-break spaces become spaces;
// apostrophes, full stops and transliteration marks are dropped; runs of white
// space become one space, with none at either end. Other characters (other
// scripts, digits, remaining punctuation) are kept as they are; bytes that are
// not UTF-8 are dropped.
std::string FoldForSearch(std::string_view text);

// True when the folded form of `text` is plain ASCII, that is when every letter
// of it is a Latin one.
bool IsLatinScript(std::string_view text);

}  // namespace zentara::places
