// How far apart two names are, for offering the closest names when a search
// finds nothing.
#pragma once
#include <string_view>

namespace zentara::places {

// The Damerau-Levenshtein distance between two UTF-8 texts, counted in
// characters: the fewest insertions, deletions, substitutions and swaps of two
// neighbouring characters that turn one into the other ("Edinbrugh" and
// "Edinburgh" are one swap apart). This is the unrestricted distance (a
// swapped pair may be edited again, as in "ca" -> "ac" -> "abc", 2), which,
// unlike the optimal-string-alignment distance, obeys the triangle
// inequality, so the atlas's tree of names (atlas_format.h) can prune by it.
// Lowrance and Wagner, "An extension of the string-to-string correction
// problem", Journal of the ACM 22 (1975) 177-183. Bytes that are not UTF-8
// count as one character each.
unsigned EditDistance(std::string_view a, std::string_view b);

}  // namespace zentara::places
