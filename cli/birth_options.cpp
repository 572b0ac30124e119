#include "cli/birth_options.h"

#include <CLI/CLI.hpp>
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
    throw CLI::ValidationError(what + " must be from " + std::to_string(lowest) + " to " + std::to_string(highest) +
                     ", not " + std::to_string(value));
  }
  return value;
}

}  // namespace

CalendarDate ReadDate(const std::string& text) {
  std::size_t at = 0;
  const auto year = ReadDigits(text, at, 4, 4);
  const bool firstDash = year && ReadCharacter(text, at, '-');
  const auto month = firstDash ? ReadDigits(text, at, 2, 2) : std::nullopt;
  const bool secondDash = month && ReadCharacter(text, at, '-');
  const auto day = secondDash ? ReadDigits(text, at, 2, 2) : std::nullopt;
  if (!day || at != text.size()) throw CLI::ValidationError("must be YYYY-MM-DD, such as 1975-08-15, not '" + text + "'");
  return {InRange(*year, 1901, 2050, "the year"), InRange(*month, 1, 12, "the month"),
          InRange(*day, 1, 31, "the day")};
}

ClockTime ReadTime(const std::string& text) {
  std::size_t at = 0;
  const auto hour = ReadDigits(text, at, 1, 2);
  const auto minute = hour && ReadCharacter(text, at, ':') ? ReadDigits(text, at, 2, 2) : std::nullopt;
  if (!minute || at != text.size()) {
    throw CLI::ValidationError("must be HH:MM on the 24-hour clock, such as 14:30, not '" + text + "'");
  }
  return {InRange(*hour, 0, 23, "the hour"), InRange(*minute, 0, 59, "the minute")};
}

namespace {

int ReadZoneRow(const std::string& text) {
  std::size_t at = 0;
  const auto row = ReadDigits(text, at, 1, 2);
  if (!row || at != text.size()) {
    throw CLI::ValidationError("must be a row number of the time-zone list (see 'zentara-cli zones'), not '" + text + "'");
  }
  return InRange(*row, 0, static_cast<int>(TimeZoneRowCount) - 1, "the row");
}

struct Coordinate {
  int degrees, minutes;
  bool secondDirection;  // South for a latitude, West for a longitude
};

// DDD, one of the two direction letters, MMM: "28N36", "77E13".
Coordinate ReadCoordinate(const std::string& text, char first, char second, const std::string& example) {
  std::size_t at = 0;
  const auto degrees = ReadDigits(text, at, 1, 3);
  char direction = 0;
  if (degrees && at < text.size() && (text[at] == first || text[at] == second)) direction = text[at++];
  const auto minutes = direction != 0 ? ReadDigits(text, at, 1, 3) : std::nullopt;
  if (!minutes || at != text.size()) {
    throw CLI::ValidationError(std::string("must be degrees, ") + first + " or " + second +
                     ", then minutes, one to three digits each, such as " + example + ", not '" + text + "'");
  }
  return {*degrees, *minutes, direction == second};
}

Coordinate ReadLatitude(const std::string& text) { return ReadCoordinate(text, 'N', 'S', "28N36"); }
Coordinate ReadLongitude(const std::string& text) { return ReadCoordinate(text, 'E', 'W', "77E13"); }

// A CLI11 check that runs `read` on the option's text; its ValidationError
// becomes the usage error.
template <typename Reader>
CLI::Validator Checked(Reader read) {
  return CLI::Validator([read](std::string& text) { read(text); return std::string(); }, "");
}

}  // namespace

CLI::Option* AddDateOption(CLI::App& command, std::string& text, const std::string& description) {
  return command.add_option("--date", text, description)->type_name("YYYY-MM-DD")->check(Checked(ReadDate));
}

CLI::Option* AddTimeOption(CLI::App& command, std::string& text, const std::string& description) {
  return command.add_option("--time", text, description)->type_name("HH:MM")->check(Checked(ReadTime));
}

void AddBirthOptions(CLI::App& command, BirthOptionTexts& texts) {
  AddDateOption(command, texts.date, "birth date, 1901-01-01 to 2050-12-31")->required();
  AddTimeOption(command, texts.time, "local clock time of birth, 24-hour clock")->required();
  command.add_option("--zone", texts.zone, "time zone: a row of 'zentara-cli zones', 0 to 70")
      ->required()->type_name("ROW")->check(Checked(ReadZoneRow));
  command.add_flag("--dst", texts.daylightSaving, "daylight saving time was in force");
  command.add_option("--lat", texts.latitude, "latitude: degrees, N or S, minutes, such as 28N36")
      ->required()->type_name("DD{N|S}MM")->check(Checked(ReadLatitude));
  command.add_option("--lon", texts.longitude, "longitude: degrees, E or W, minutes, such as 77E13")
      ->required()->type_name("DDD{E|W}MM")->check(Checked(ReadLongitude));
}

BirthMoment ToBirthMoment(const BirthOptionTexts& texts) {
  const CalendarDate date = ReadDate(texts.date);
  const ClockTime time = ReadTime(texts.time);
  const int zoneRow = ReadZoneRow(texts.zone);
  const Coordinate latitude = ReadLatitude(texts.latitude);
  const Coordinate longitude = ReadLongitude(texts.longitude);
  const TimeZoneTable zones = LoadTimeZoneTable();

  BirthMoment birth;
  birth.Month = static_cast<std::int16_t>(date.month);
  birth.Day = static_cast<std::int16_t>(date.day);
  birth.Year = static_cast<std::int16_t>(date.year);
  birth.Hour = static_cast<std::int16_t>(time.hour);
  birth.Minute = static_cast<std::int16_t>(time.minute);
  birth.ZoneHours = zones.TimeZoneHours[zoneRow];
  birth.ZoneMinutes = zones.TimeZoneMinutes[zoneRow];
  birth.DaylightSaving = texts.daylightSaving;
  birth.LongitudeDegrees = static_cast<std::int16_t>(longitude.degrees);
  birth.LongitudeMinutes = static_cast<std::int16_t>(longitude.minutes);
  birth.EastOfGreenwich = !longitude.secondDirection;
  birth.LatitudeDegrees = static_cast<std::int16_t>(latitude.degrees);
  birth.LatitudeMinutes = static_cast<std::int16_t>(latitude.minutes);
  birth.SouthOfEquator = latitude.secondDirection;
  return birth;
}

}  // namespace zentara::cli
