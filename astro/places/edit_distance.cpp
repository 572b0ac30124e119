#include "astro/places/edit_distance.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace zentara::places {

namespace {

// Calls `found` with each character of a UTF-8 text; an ill-formed sequence
// is one U+FFFD.
template <typename Found>
void ForEachCharacter(std::string_view text, Found found) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  // ICU indexes with 32 bits; no name comes near that.
  const auto length = static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
  for (std::int32_t at = 0; at < length;) {
    UChar32 character = 0;
    U8_NEXT(bytes, at, length, character);
    found(character < 0 ? U'\uFFFD' : static_cast<char32_t>(character));
  }
}

}  // namespace

EditDistanceRows::EditDistanceRows(std::string_view from) {
  ForEachCharacter(from, [&](char32_t c) { from_.push_back(c); });
  const std::size_t m = from_.size();
  const auto beyond = static_cast<unsigned>(INT_MAX);
  rows_.push_back(std::vector<unsigned>(m + 2, beyond));
  rows_.push_back(std::vector<unsigned>(m + 2, beyond));
  for (std::size_t j = 0; j <= m; ++j) rows_[1][j + 1] = static_cast<unsigned>(j);
  lastRows_.push_back(std::vector<std::size_t>(m, 0));
  bounds_.push_back(0);
}

void EditDistanceRows::Push(char32_t character) {
  pushed_.push_back(character);
  const std::size_t i = pushed_.size();  // the new row's character, counted from 1
  const std::size_t m = from_.size();
  if (rows_.size() < i + 2) {
    rows_.emplace_back(m + 2);
    lastRows_.emplace_back(m);
    bounds_.push_back(0);
  }
  const unsigned beyond = rows_[0][0];
  const std::vector<unsigned>& above = rows_[i];
  std::vector<unsigned>& row = rows_[i + 1];
  const std::vector<std::size_t>& lastRow = lastRows_[i - 1];  // over the other's first i - 1 characters
  row[0] = beyond;
  row[1] = static_cast<unsigned>(i);
  std::size_t lastMatchColumn = 0;
  for (std::size_t j = 1; j <= m; ++j) {
    const std::size_t swapRow = lastRow[j - 1];
    const std::size_t swapColumn = lastMatchColumn;
    const unsigned substitution = character == from_[j - 1] ? 0 : 1;
    if (substitution == 0) lastMatchColumn = j;
    // A swap of the two characters, with whatever lies between them deleted
    // from one text and inserted into the other.
    const unsigned swap =
        swapRow == 0 || swapColumn == 0
            ? beyond
            : rows_[swapRow][swapColumn] + static_cast<unsigned>((i - swapRow - 1) + 1 + (j - swapColumn - 1));
    row[j + 1] = std::min({above[j] + substitution, row[j] + 1, above[j + 1] + 1, swap});
  }
  std::vector<std::size_t>& nextLastRow = lastRows_[i];
  for (std::size_t j = 0; j < m; ++j) nextLastRow[j] = from_[j] == character ? i : lastRow[j];
  // Every edit path to the end passes this row, or jumps over it with a swap
  // that deletes, from where it left an earlier row, at least as many
  // characters as rows it jumps.
  const unsigned rowLeast = *std::min_element(row.begin() + 1, row.end());
  bounds_[i] = std::min(rowLeast, bounds_[i - 1] + 1);
}

void EditDistanceRows::Pop() { pushed_.pop_back(); }

unsigned EditDistance(std::string_view a, std::string_view b) {
  EditDistanceRows rows(a);
  ForEachCharacter(b, [&](char32_t c) { rows.Push(c); });
  return rows.Distance();
}

std::size_t CharacterCount(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

unsigned EditsAllowed(std::size_t characters) { return characters <= 2 ? 0 : characters <= 4 ? 1 : 2; }

}  // namespace zentara::places
