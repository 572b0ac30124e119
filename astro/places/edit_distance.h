// How far apart two names are, for offering the closest names when a search
// finds nothing.
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace zentara::places {

// The Damerau-Levenshtein distance between two UTF-8 texts, counted in
// characters: the fewest insertions, deletions, substitutions and swaps of two
// neighbouring characters that turn one into the other ("Edinbrugh" and
// "Edinburgh" are one swap apart). This is the unrestricted distance, in which
// a swapped pair may be edited again ("ca" -> "ac" -> "abc", 2; the optimal
// string alignment distance says 3). Lowrance and Wagner, "An extension of the
// string-to-string correction problem", Journal of the ACM 22 (1975) 177-183.
// An ill-formed UTF-8 sequence counts as one character.
unsigned EditDistance(std::string_view a, std::string_view b);

// The characters of a UTF-8 text: its bytes that do not continue a character.
std::size_t CharacterCount(std::string_view utf8);

// How many edits a typed name of `characters` characters may be from a name
// offered in its place: none for one or two characters, one for three or
// four, two for more; few enough that a short name does not bring up half
// the atlas.
unsigned EditsAllowed(std::size_t characters);

// The same distance from one text to another that grows and shrinks at its
// end a character at a time, each character costing one row of the
// algorithm's table; so the distances to many texts that share their
// beginnings, as sorted names do, cost one row for each distinct beginning.
class EditDistanceRows {
 public:
  explicit EditDistanceRows(std::string_view from);

  void Push(char32_t character);  // the other text one character longer
  void Pop();                     // and one shorter again

  // The distance from the first text to the other as it stands.
  unsigned Distance() const { return rows_[pushed_.size() + 1].back(); }
  // No text that starts with the other as it stands is nearer than this.
  unsigned Bound() const { return bounds_[pushed_.size()]; }

 private:
  std::vector<char32_t> from_;
  std::vector<char32_t> pushed_;
  // For the other's first i characters (the rows past those kept for reuse):
  // rows_[i + 1][j + 1], the distance to the first text's first j characters
  // (rows_[0] and each row's first cell hold a bound no edit path reaches);
  // lastRows_[i][j], the last of them (counted from 1; 0 for none) that is the
  // first text's character j; bounds_[i], Bound().
  std::vector<std::vector<unsigned>> rows_;
  std::vector<std::vector<std::size_t>> lastRows_;
  std::vector<unsigned> bounds_;
};

}  // namespace zentara::places
