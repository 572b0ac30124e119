#include "cli/birth_options.h"

#include <optional>
#include <string_view>

#include "astro/match/time_zones.h"

namespace zentara::cli {

namespace {

// Reads a run of `fewest` to `most` digits at `position` and moves past it;
// nothing when there is no such run.
std::optional<int> ReadDigits(std::string_view text, std::size_t& position, std::size_t fewest,
                              std::size_t most) {
  std::size_t end = position;
  while (end < text.size() && end - position < most && text[end] >= '0' && text[end] <= '9') ++end;
  if (end - position < fewest) return std::nullopt;
  int value = 0;
  for (std::size_t i = position; i < end; ++i) value = value * 10 + (text[i] - '0');
  position = end;
  return value;
}

bool ReadCharacter(std::string_view text, std::size_t& position, char expected) {
  if (position >= text.size() || text[position] != expected) return false;
  ++position;
  return true;
}

int InRange(int value, int lowest, int highest, const std::string& what) {
  if (value < lowest || value > highest) {
    throw UsageError(what + " must be from " + std::to_string(lowest) + " to " + std::to_string(highest) +
                     ", not " + std::to_string(value));
  }
  return value;
}

struct Date {
  int year, month, day;
};

Date ReadDate(const std::string& text) {
  std::size_t at = 0;
  const auto year = ReadDigits(text, at, 4, 4);
  const bool firstDash = year && ReadCharacter(text, at, '-');
  const auto month = firstDash ? ReadDigits(text, at, 2, 2) : std::nullopt;
  const bool secondDash = month && ReadCharacter(text, at, '-');
  const auto day = secondDash ? ReadDigits(text, at, 2, 2) : std::nullopt;
  if (!day || at != text.size()) throw UsageError("--date must be YYYY-MM-DD, such as 1975-08-15, not '" + text + "'");
  return {InRange(*year, 1901, 2050, "the year of --date"), InRange(*month, 1, 12, "the month of --date"),
          InRange(*day, 1, 31, "the day of --date")};
}

struct ClockTime {
  int hour, minute;
};

ClockTime ReadTime(const std::string& text) {
  std::size_t at = 0;
  const auto hour = ReadDigits(text, at, 1, 2);
  const auto minute = hour && ReadCharacter(text, at, ':') ? ReadDigits(text, at, 2, 2) : std::nullopt;
  if (!minute || at != text.size()) throw UsageError("--time must be HH:MM on the 24-hour clock, such as 14:30, not '" + text + "'");
  return {InRange(*hour, 0, 23, "the hour of --time"), InRange(*minute, 0, 59, "the minute of --time")};
}

int ReadZoneRow(const std::string& text) {
  std::size_t at = 0;
  const auto row = ReadDigits(text, at, 1, 2);
  if (!row || at != text.size()) {
    throw UsageError("--zone must be a row number of the time-zone list (see 'zentara-cli zones'), not '" + text + "'");
  }
  return InRange(*row, 0, static_cast<int>(TimeZoneRowCount) - 1, "--zone");
}

struct Coordinate {
  int degrees, minutes;
  bool secondDirection;  // South for a latitude, West for a longitude
};

// DDD, one of the two direction letters, MMM: "28N36", "77E13".
Coordinate ReadCoordinate(const std::string& text, const std::string& option, char first, char second,
                          const std::string& example) {
  std::size_t at = 0;
  const auto degrees = ReadDigits(text, at, 1, 3);
  char direction = 0;
  if (degrees && at < text.size() && (text[at] == first || text[at] == second)) direction = text[at++];
  const auto minutes = direction != 0 ? ReadDigits(text, at, 1, 3) : std::nullopt;
  if (!minutes || at != text.size()) {
    throw UsageError(option + " must be degrees, " + first + " or " + second +
                     ", then minutes, one to three digits each, such as " + example + ", not '" + text + "'");
  }
  return {*degrees, *minutes, direction == second};
}

}  // namespace

BirthMoment ReadBirthOptions(const Arguments& parsed) {
  const Date date = ReadDate(parsed.required("--date"));
  const ClockTime time = ReadTime(parsed.required("--time"));
  const int zoneRow = ReadZoneRow(parsed.required("--zone"));
  const Coordinate latitude = ReadCoordinate(parsed.required("--lat"), "--lat", 'N', 'S', "28N36");
  const Coordinate longitude = ReadCoordinate(parsed.required("--lon"), "--lon", 'E', 'W', "77E13");
  const TimeZoneTable zones = LoadTimeZoneTable();

  BirthMoment birth;
  birth.Month = static_cast<std::int16_t>(date.month);
  birth.Day = static_cast<std::int16_t>(date.day);
  birth.Year = static_cast<std::int16_t>(date.year);
  birth.Hour = static_cast<std::int16_t>(time.hour);
  birth.Minute = static_cast<std::int16_t>(time.minute);
  birth.ZoneHours = zones.TimeZoneHours[zoneRow];
  birth.ZoneMinutes = zones.TimeZoneMinutes[zoneRow];
  birth.DaylightSaving = parsed.flag("--dst");
  birth.LongitudeDegrees = static_cast<std::int16_t>(longitude.degrees);
  birth.LongitudeMinutes = static_cast<std::int16_t>(longitude.minutes);
  birth.EastOfGreenwich = !longitude.secondDirection;
  birth.LatitudeDegrees = static_cast<std::int16_t>(latitude.degrees);
  birth.LatitudeMinutes = static_cast<std::int16_t>(latitude.minutes);
  birth.SouthOfEquator = latitude.secondDirection;
  return birth;
}

}  // namespace zentara::cli
