#include "cli/visible_text.h"

#include <algorithm>
#include <cstdio>

namespace zentara::cli {

std::string VisibleText(std::string_view utf8) {
  // Most texts hold none of the bytes that start an escape: kept whole.
  const auto plain = [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F && byte != '\\' && byte != 0xC2;
  };
  if (std::all_of(utf8.begin(), utf8.end(), plain)) return std::string(utf8);
  std::string result;
  char escape[8];
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
    if (byte == '\\') {
      result += "\\\\";
    } else if (byte < 0x20 || byte == 0x7F) {
      std::snprintf(escape, sizeof escape, "\\x%02x", byte);
      result += escape;
    } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {  // UTF-8 of U+0080..U+009F
      std::snprintf(escape, sizeof escape, "\\u%04x", next);
      result += escape;
      ++i;
    } else {
      result += utf8[i];
    }
  }
  return result;
}

}  // namespace zentara::cli
