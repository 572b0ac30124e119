// Finding the web addresses in a report's text, so the report box can show them
// as links. An address starts with a scheme ("http://", "https://", "ftp://",
// "file:", "mailto:", "news:") or with "www.", in any case, at the start of the
// text or after a character that is neither a letter nor a digit. It runs until
// white space, a control character or one of < > " { } | \ ^ `; a full stop,
// comma, colon, semicolon, question or exclamation mark, apostrophe or closing
// bracket at its end belongs to the sentence, not to the address.
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace zentara {

// Positions count UTF-16 code units, as the text boxes count them.
struct TextRange {
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const TextRange&) const = default;
};

// Every address in `text`, in order; they never overlap.
std::vector<TextRange> FindWebAddresses(std::u16string_view text);

// The longest link text a click passes on; a longer address is cut to this.
inline constexpr std::size_t MaxLinkTextLength = 1023;

}  // namespace zentara
