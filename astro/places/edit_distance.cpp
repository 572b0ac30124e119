#include "astro/places/edit_distance.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace zentara::places {

namespace {

// The characters of a UTF-8 text; an ill-formed sequence is one U+FFFD.
std::vector<char32_t> Characters(std::string_view text) {
  std::vector<char32_t> characters;
  characters.reserve(text.size());
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  // ICU indexes with 32 bits; no name comes near that.
  const auto length = static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
  for (std::int32_t at = 0; at < length;) {
    UChar32 character = 0;
    U8_NEXT(bytes, at, length, character);
    characters.push_back(character < 0 ? U'\uFFFD' : static_cast<char32_t>(character));
  }
  return characters;
}

}  // namespace

unsigned EditDistance(std::string_view textA, std::string_view textB) {
  const std::vector<char32_t> a = Characters(textA);
  const std::vector<char32_t> b = Characters(textB);
  const std::size_t n = a.size(), m = b.size();
  if (n == 0 || m == 0) return static_cast<unsigned>(n + m);

  // cost(i + 1, j + 1): the distance between a's first i and b's first j
  // characters; row and column 0 hold a bound no path reaches.
  const std::size_t width = m + 2;
  std::vector<unsigned> table((n + 2) * width);
  const auto cost = [&](std::size_t i, std::size_t j) -> unsigned& { return table[i * width + j]; };
  const auto beyond = static_cast<unsigned>(n + m);
  cost(0, 0) = beyond;
  for (std::size_t i = 0; i <= n; ++i) {
    cost(i + 1, 0) = beyond;
    cost(i + 1, 1) = static_cast<unsigned>(i);
  }
  for (std::size_t j = 0; j <= m; ++j) {
    cost(0, j + 1) = beyond;
    cost(1, j + 1) = static_cast<unsigned>(j);
  }
  // The last row of a (counted from 1) where each character stood so far.
  std::vector<std::pair<char32_t, std::size_t>> lastRow;
  const auto lastRowOf = [&](char32_t character) -> std::size_t {
    for (const auto& [seen, row] : lastRow) {
      if (seen == character) return row;
    }
    return 0;
  };
  for (std::size_t i = 1; i <= n; ++i) {
    std::size_t lastMatchColumn = 0;
    for (std::size_t j = 1; j <= m; ++j) {
      const std::size_t swapRow = lastRowOf(b[j - 1]);
      const std::size_t swapColumn = lastMatchColumn;
      const unsigned substitution = a[i - 1] == b[j - 1] ? 0 : 1;
      if (substitution == 0) lastMatchColumn = j;
      // A swap of the two characters, with whatever lies between them
      // deleted from a and inserted into b.
      const auto swap = static_cast<unsigned>(cost(swapRow, swapColumn) + (i - swapRow - 1) + 1 + (j - swapColumn - 1));
      cost(i + 1, j + 1) =
          std::min({cost(i, j) + substitution, cost(i + 1, j) + 1, cost(i, j + 1) + 1, swap});
    }
    const auto found = std::find_if(lastRow.begin(), lastRow.end(),
                                    [&](const auto& entry) { return entry.first == a[i - 1]; });
    if (found != lastRow.end()) {
      found->second = i;
    } else {
      lastRow.emplace_back(a[i - 1], i);
    }
  }
  return cost(n + 1, m + 1);
}

}  // namespace zentara::places
