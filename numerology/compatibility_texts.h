// The interpretation paragraphs of the numerology readings, one for each pair of
// numbers 1 to 9, and the lookup that finds a paragraph by its key.
#pragma once
#include <span>
#include <string>
#include <string_view>

namespace zentara {

// One row of the table. The key's first digit is the male number and its second
// digit the female number, both 1 to 9 (11, 12, ... 99).
struct CompatibilityText {
  int key;
  std::string_view text;  // one line of plain ASCII prose
};

// The 81 rows, keys ascending from 11 to 99. The life path pair and the destiny
// pair are both read from this one table.
std::span<const CompatibilityText> CompatibilityTexts();

// The paragraph whose key has the value of `key` read as a decimal number, so
// leading zeros and surrounding spaces do not count ("011" finds key 11); the
// empty text when `key` is not a number or no row has that value ("05", "10",
// "111").
std::string LookupCompatibilityText(std::string_view key);

}  // namespace zentara
