#include "astro/engine/planets/zodiac_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "common/number_text.h"

namespace zentara::modPlanetPosition_Western {

namespace {

constexpr std::string_view DegreeSign = "\u00B0";
constexpr double LargestFormattedLongitude = 1e6;  // degrees

std::string TwoDigits(std::string_view number) {
  return number.size() <= 1 ? "0" + std::string(number) : std::string(number);
}

std::string WholeNumberText(double wholeValue) {
  return std::to_string(static_cast<long long>(wholeValue));
}

}  // namespace

std::string FormatZodiacPosition(double longitude) {
  const double a = std::fabs(longitude);
  // Keeps the whole-number conversions and the sign loop below in range.
  if (!(a < LargestFormattedLongitude)) return {};
  double degrees = std::floor(a);
  const double fraction = a - degrees;
  const double minutes = 60 * fraction;
  const double wholeMinutes = std::floor(minutes);
  const double seconds = std::floor(60 * (minutes - wholeMinutes));
  const double sign = std::floor(degrees / 30);
  while (degrees >= 30) degrees -= 30;

  // A value of 360 or more has no key of its own: it gets none.
  const auto keyStart = static_cast<std::size_t>(3 * sign);
  const std::string_view key = keyStart < SignKeys.size() ? SignKeys.substr(keyStart, 3) : "";
  return WholeNumberText(degrees) + std::string(DegreeSign) + " " + WholeNumberText(wholeMinutes) + "' " +
         WholeNumberText(seconds) + "\" " + std::string(key);
}

std::string FormatSlotText(std::string_view position) {
  const std::string_view text = TrimSpaces(position);
  const auto degreeEnd = text.find(DegreeSign);
  const auto minuteEnd = text.find('\'');

  std::string_view degrees = text;
  std::string_view minutes;
  if (degreeEnd != std::string_view::npos) {
    degrees = text.substr(0, degreeEnd);
    const auto minuteStart = degreeEnd + DegreeSign.size();
    if (minuteEnd != std::string_view::npos && minuteEnd >= minuteStart) {
      minutes = text.substr(minuteStart, minuteEnd - minuteStart);
    }
  }
  const std::string_view key = TrimSpaces(position.substr(position.size() < 3 ? 0 : position.size() - 3));
  return TwoDigits(TrimSpaces(degrees)) + " " + std::string(key) + " " + TwoDigits(TrimSpaces(minutes));
}

namespace {

// Whole degrees and whole minutes of the rest, with the arithmetic of
// FormatZodiacPosition step for step, so that every text cuts at the same
// place (even where 60 x the rest rounds up to 60).
struct CutPosition {
  int degrees, minutes;
};
CutPosition Cut(double longitude) {
  const double degrees = std::floor(longitude);
  return {static_cast<int>(degrees), static_cast<int>(std::floor(60 * (longitude - degrees)))};
}

}  // namespace

int CutArcMinutes(double longitude) {
  if (!(longitude >= 0 && longitude < 360)) return 0;
  const CutPosition cut = Cut(longitude);
  return cut.degrees * 60 + cut.minutes;
}

char* WriteSlotTextOfLongitude(char* out, double longitude) {
  if (!(longitude >= 0 && longitude < 360)) return out;
  const CutPosition cut = Cut(longitude);
  const int sign = cut.degrees / 30, degrees = cut.degrees % 30;
  const std::string_view key = SignKeys.substr(3 * static_cast<std::size_t>(sign), 3);
  *out++ = static_cast<char>('0' + degrees / 10);
  *out++ = static_cast<char>('0' + degrees % 10);
  *out++ = ' ';
  out = std::copy(key.begin(), key.end(), out);
  *out++ = ' ';
  *out++ = static_cast<char>('0' + cut.minutes / 10);
  *out++ = static_cast<char>('0' + cut.minutes % 10);
  return out;
}

std::string SlotTextOfLongitude(double longitude) {
  if (!(longitude >= 0 && longitude < 360)) return FormatSlotText(FormatZodiacPosition(longitude));
  std::string text(SlotTextBytes, ' ');
  WriteSlotTextOfLongitude(text.data(), longitude);
  return text;
}

}  // namespace zentara::modPlanetPosition_Western

namespace zentara {

namespace {

// One or two decimal digits, no more than `largest`.
std::optional<int> SmallNumber(std::string_view text, int largest) {
  const auto value = ReadDigits(text, 2);
  if (!value || *value > largest) return std::nullopt;
  return value;
}

// A sign key's three bytes as one number, and the twelve keys so, Aries first.
constexpr std::uint32_t PackedKey(char a, char b, char c) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(a)) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 16;
}
constexpr std::array<std::uint32_t, 12> PackedSignKeys = [] {
  std::array<std::uint32_t, 12> keys{};
  const std::string_view signs = modPlanetPosition_Western::SignKeys;
  for (std::size_t sign = 0; sign < keys.size(); ++sign) {
    keys[sign] = PackedKey(signs[3 * sign], signs[3 * sign + 1], signs[3 * sign + 2]);
  }
  return keys;
}();

// The space-separated words of `text` when it has exactly three, nothing
// otherwise. It allocates nothing: every chart text of a batch passes here.
std::optional<std::array<std::string_view, 3>> ThreeWords(std::string_view text) {
  std::array<std::string_view, 3> words;
  std::size_t count = 0;
  std::size_t at = 0;
  while (true) {
    const std::size_t start = text.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    if (count == words.size()) return std::nullopt;
    const std::size_t end = std::min(text.find(' ', start), text.size());
    words[count++] = text.substr(start, end - start);
    at = end;
  }
  if (count != words.size()) return std::nullopt;
  return words;
}

}  // namespace

std::optional<SlotPosition> ReadSlotText(std::string_view text) {
  // The engine's own texts, "05 Leo 07", take a short way.
  const auto digit = [&text](std::size_t at) { return text[at] >= '0' && text[at] <= '9'; };
  if (text.size() == 9 && text[2] == ' ' && text[6] == ' ' && digit(0) && digit(1) && digit(7) && digit(8)) {
    const int degrees = (text[0] - '0') * 10 + (text[1] - '0'), minutes = (text[7] - '0') * 10 + (text[8] - '0');
    const std::uint32_t key = PackedKey(text[3], text[4], text[5]);
    for (std::size_t sign = 0; sign < PackedSignKeys.size(); ++sign) {
      if (PackedSignKeys[sign] != key) continue;
      if (degrees > 29 || minutes > 59) return std::nullopt;
      return SlotPosition{static_cast<int>(sign), degrees, minutes, 30.0 * sign + degrees + minutes / 60.0};
    }
    return std::nullopt;
  }
  const auto found = ThreeWords(text);
  if (!found) return std::nullopt;
  const std::array<std::string_view, 3>& words = *found;
  if (words[1].size() != 3) return std::nullopt;
  const std::size_t key = modPlanetPosition_Western::SignKeys.find(words[1]);
  if (key == std::string_view::npos || key % 3 != 0) return std::nullopt;
  const auto degrees = SmallNumber(words[0], 29);
  const auto minutes = SmallNumber(words[2], 59);
  if (!degrees || !minutes) return std::nullopt;
  SlotPosition position;
  position.Sign = static_cast<int>(key / 3);
  position.Degrees = *degrees;
  position.Minutes = *minutes;
  position.Longitude = 30.0 * position.Sign + *degrees + *minutes / 60.0;
  return position;
}

}  // namespace zentara
