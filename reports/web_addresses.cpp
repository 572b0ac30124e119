#include "reports/web_addresses.h"

#include <array>

namespace zentara {
namespace {

constexpr std::array<std::u16string_view, 7> kStarts = {
    u"http://", u"https://", u"ftp://", u"file:", u"mailto:", u"news:", u"www.",
};

char16_t Lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool IsAsciiAlnum(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Any letter or digit, of any script, keeps an address from starting inside a word;
// outside ASCII every character above U+00BF counts as one.
bool IsWordCharacter(char16_t c) { return IsAsciiAlnum(c) || c >= 0xC0; }

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Lower(text[i]) != prefix[i]) return false;
  }
  return true;
}

bool EndsAddress(char16_t c) {
  if (c <= 0x20 || c == 0x7F || c == 0xA0 || c == 0x2028 || c == 0x2029) return true;
  return std::u16string_view(u"<>\"{}|\\^`").find(c) != std::u16string_view::npos;
}

bool IsTrailingPunctuation(char16_t c) {
  return std::u16string_view(u".,:;?!')]").find(c) != std::u16string_view::npos;
}

}  // namespace

std::vector<TextRange> FindWebAddresses(std::u16string_view text) {
  std::vector<TextRange> found;
  std::size_t i = 0;
  while (i < text.size()) {
    const bool atWordStart = i == 0 || !IsWordCharacter(text[i - 1]);
    std::size_t prefixLength = 0;
    if (atWordStart) {
      for (const std::u16string_view start : kStarts) {
        if (StartsWithIgnoringCase(text.substr(i), start)) {
          prefixLength = start.size();
          break;
        }
      }
    }
    if (prefixLength == 0) {
      ++i;
      continue;
    }
    std::size_t end = i + prefixLength;
    while (end < text.size() && !EndsAddress(text[end])) ++end;
    while (end > i + prefixLength && IsTrailingPunctuation(text[end - 1])) --end;
    if (end > i + prefixLength) {
      found.push_back({i, end - i});
      i = end;
    } else {
      i += prefixLength;  // a scheme with nothing after it is no address
    }
  }
  return found;
}

}  // namespace zentara
