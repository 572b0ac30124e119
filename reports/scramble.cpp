#include "reports/scramble.h"

#include "reports/ansi_codepage.h"

namespace zentara {
namespace {
constexpr int kShift = 85;
}

std::string ScrambleField(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    const int code = static_cast<unsigned char>(c);
    if (code + kShift <= 255) result += static_cast<char>(code + kShift);
  }
  return result;
}

std::string UnscrambleField(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    const int code = static_cast<unsigned char>(c);
    if (code >= kShift) result += static_cast<char>(code - kShift);
  }
  return result;
}

std::string ScrambleUtf8(std::string_view utf8) { return AnsiToUtf8(ScrambleField(Utf8ToAnsi(utf8))); }

std::string UnscrambleUtf8(std::string_view utf8) { return AnsiToUtf8(UnscrambleField(Utf8ToAnsi(utf8))); }

}  // namespace zentara
