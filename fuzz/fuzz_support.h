// What every fuzz target shares: the input as text fields, and a check that
// stops the run with what was found when a property does not hold.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace zentara::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The first N lines of `text` (split at '\n'), the last field holding the
// rest of the input whatever it contains; fields the input is too short for
// are empty. One field a line keeps the seed corpora readable.
template <std::size_t N>
std::array<std::string_view, N> SplitFields(std::string_view text) {
  std::array<std::string_view, N> fields{};
  for (std::size_t i = 0; i < N && !text.empty(); ++i) {
    const std::size_t end = i + 1 == N ? text.npos : text.find('\n');
    fields[i] = text.substr(0, end);
    text.remove_prefix(end == text.npos ? text.size() : end + 1);
  }
  return fields;
}

// A small number taken from the front of `text`, which loses that byte.
inline unsigned TakeByte(std::string_view& text) {
  if (text.empty()) return 0;
  const auto byte = static_cast<unsigned char>(text.front());
  text.remove_prefix(1);
  return byte;
}

// A 32-bit number from the next four bytes of `text` (missing bytes are 0).
inline std::int32_t TakeInt32(std::string_view& text) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | TakeByte(text);
  return static_cast<std::int32_t>(value);
}

// `text` with every byte outside printable ASCII written as \xHH, for reports.
inline std::string Shown(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      shown += c;
    } else {
      shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
    }
  }
  return shown;
}

// Stops the run (libFuzzer then keeps the input as a crash) when a property
// fails, saying which and with what.
inline void Require(bool holds, std::string_view property, std::string_view detail = {}) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %.*s\n  %s\n", static_cast<int>(property.size()), property.data(),
               Shown(detail).c_str());
  std::abort();
}

}  // namespace zentara::fuzz
