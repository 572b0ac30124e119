#include "common/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace zentara {

std::string_view TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<double> ReadDecimalNumber(std::string_view text) {
  text = TrimSpaces(text);
  if (text.empty()) return std::nullopt;

  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Only digits, one point and an exponent are numbers here; from_chars would
  // also take "inf", "nan" and hexadecimal forms.
  if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
    return std::nullopt;
  }
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::optional<int> ReadDigitRun(std::string_view text, std::size_t& position, std::size_t fewest,
                                std::size_t most) {
  most = std::min(most, MostDigitsInRun);
  std::size_t end = position;
  int value = 0;
  while (end < text.size() && end - position < most && text[end] >= '0' && text[end] <= '9') {
    value = value * 10 + (text[end] - '0');
    ++end;
  }
  if (end - position < fewest) return std::nullopt;
  position = end;
  return value;
}

std::optional<int> ReadDigits(std::string_view text, std::size_t most) {
  std::size_t end = 0;
  const auto value = ReadDigitRun(text, end, 1, most);
  if (!value || end != text.size()) return std::nullopt;
  return value;
}

std::optional<std::int16_t> RoundToInt16(double value) {
  // nearbyint rounds in the default mode, to nearest with ties to even.
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

}  // namespace zentara
