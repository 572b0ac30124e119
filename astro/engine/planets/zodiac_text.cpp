#include "astro/engine/planets/zodiac_text.h"

#include <cmath>

namespace zentara::modPlanetPosition_Western {

namespace {

constexpr std::string_view DegreeSign = "\u00B0";
constexpr double LargestFormattedLongitude = 1e6;  // degrees

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

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
  const std::string_view text = Trim(position);
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
  const std::string_view key = Trim(position.substr(position.size() < 3 ? 0 : position.size() - 3));
  return TwoDigits(Trim(degrees)) + " " + std::string(key) + " " + TwoDigits(Trim(minutes));
}

}  // namespace zentara::modPlanetPosition_Western
