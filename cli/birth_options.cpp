#include "cli/birth_options.h"

#include <CLI/CLI.hpp>

#include "astro/match/birth_from_entries.h"
#include "astro/match/zone_list.h"
#include "common/number_text.h"
#include "common/shown_text.h"

namespace zentara::cli {

namespace {

bool ReadCharacter(std::string_view text, std::size_t& position, char expected) {
  if (position >= text.size() || text[position] != expected) return false;
  ++position;
  return true;
}

Problem OutOfRange(int value, int lowest, int highest, const char* what) {
  if (value >= lowest && value <= highest) return std::nullopt;
  return std::string(what) + " must be from " + std::to_string(lowest) + " to " + std::to_string(highest) +
         ", not " + std::to_string(value);
}

std::string Quoted(std::string_view text) { return "'" + ShownText(text) + "'"; }

// DDD, one of the two direction letters, MMM: "28N36", "77E13".
Problem ReadCoordinate(std::string_view text, char first, char second, const char* example,
                       bool emptyBoxes, CoordinateBoxes& boxes) {
  if (emptyBoxes && text.empty()) {
    boxes = CoordinateBoxes{};
    return std::nullopt;
  }
  const std::size_t fewest = emptyBoxes ? 0 : 1;
  std::size_t at = 0;
  const auto degrees = ReadDigitRun(text, at, fewest, 3);
  const std::size_t degreesEnd = at;
  char direction = 0;
  if (degrees && at < text.size() && (text[at] == first || text[at] == second)) direction = text[at++];
  const std::size_t minutesStart = at;
  const auto minutes = direction != 0 ? ReadDigitRun(text, at, fewest, 3) : std::nullopt;
  if (!minutes || at != text.size()) {
    return std::string("must be degrees, ") + first + " or " + second + ", then minutes, " +
           (emptyBoxes ? "at most" : "one to") + " three digits each, such as " + example + ", not " +
           Quoted(text);
  }
  boxes = CoordinateBoxes{text.substr(0, degreesEnd), text.substr(minutesStart), direction == second};
  return std::nullopt;
}

}  // namespace

Problem ReadBirthDate(std::string_view text, BirthDate& date) {
  std::size_t at = 0;
  const auto year = ReadDigitRun(text, at, 4, 4);
  const bool firstDash = year && ReadCharacter(text, at, '-');
  const auto month = firstDash ? ReadDigitRun(text, at, 2, 2) : std::nullopt;
  const bool secondDash = month && ReadCharacter(text, at, '-');
  const auto day = secondDash ? ReadDigitRun(text, at, 2, 2) : std::nullopt;
  if (!day || at != text.size()) return "must be YYYY-MM-DD, such as 1975-08-15, not " + Quoted(text);
  if (auto problem = OutOfRange(*year, 1901, 2050, "the year")) return problem;
  if (auto problem = OutOfRange(*month, 1, 12, "the month")) return problem;
  if (auto problem = OutOfRange(*day, 1, 31, "the day")) return problem;
  date = {*year, *month, *day};
  return std::nullopt;
}

Problem ReadClockTime(std::string_view text, ClockTime& time) {
  std::size_t at = 0;
  const auto hour = ReadDigitRun(text, at, 1, 2);
  const auto minute = hour && ReadCharacter(text, at, ':') ? ReadDigitRun(text, at, 2, 2) : std::nullopt;
  if (!minute || at != text.size()) {
    return "must be HH:MM on the 24-hour clock, such as 14:30, not " + Quoted(text);
  }
  if (auto problem = OutOfRange(*hour, 0, 23, "the hour")) return problem;
  if (auto problem = OutOfRange(*minute, 0, 59, "the minute")) return problem;
  time = {*hour, *minute};
  return std::nullopt;
}

Problem ReadZoneRow(std::string_view text, int& row) {
  std::size_t at = 0;
  const auto number = ReadDigitRun(text, at, 1, 2);
  if (!number || at != text.size()) {
    return "must be a row number of the time-zone list (see 'zentara-cli zones'), not " + Quoted(text);
  }
  if (auto problem = OutOfRange(*number, 0, static_cast<int>(TimeZoneRowCount) - 1, "the row")) return problem;
  row = *number;
  return std::nullopt;
}

Problem ReadLatitude(std::string_view text, CoordinateBoxes& boxes, bool emptyBoxes) {
  return ReadCoordinate(text, 'N', 'S', "28N36", emptyBoxes, boxes);
}

Problem ReadLongitude(std::string_view text, CoordinateBoxes& boxes, bool emptyBoxes) {
  return ReadCoordinate(text, 'E', 'W', "77E13", emptyBoxes, boxes);
}

CLI::Validator CheckedBy(std::function<Problem(std::string_view text)> read) {
  return CLI::Validator([read = std::move(read)](std::string& text) { return read(text).value_or(""); }, "");
}

namespace {

Problem CheckDate(std::string_view text) {
  BirthDate date;
  return ReadBirthDate(text, date);
}
Problem CheckTime(std::string_view text) {
  ClockTime time;
  return ReadClockTime(text, time);
}
Problem CheckZone(std::string_view text) {
  int row = 0;
  return ReadZoneRow(text, row);
}
Problem CheckLatitude(std::string_view text) {
  CoordinateBoxes boxes;
  return ReadLatitude(text, boxes);
}
Problem CheckLongitude(std::string_view text) {
  CoordinateBoxes boxes;
  return ReadLongitude(text, boxes);
}

}  // namespace

void AddBirthOptions(CLI::App& command, BirthOptionTexts& texts) {
  command.add_option("--date", texts.date, "birth date, 1901-01-01 to 2050-12-31")
      ->required()->type_name("YYYY-MM-DD")->check(CheckedBy(CheckDate));
  command.add_option("--time", texts.time, "local clock time of birth, 24-hour clock")
      ->required()->type_name("HH:MM")->check(CheckedBy(CheckTime));
  command.add_option("--zone", texts.zone, "time zone: a row of 'zentara-cli zones', 0 to 70")
      ->required()->type_name("ROW")->check(CheckedBy(CheckZone));
  command.add_flag("--dst", texts.daylightSaving, "daylight saving time was in force");
  command.add_option("--lat", texts.latitude, "latitude: degrees, N or S, minutes, such as 28N36")
      ->required()->type_name("DD{N|S}MM")->check(CheckedBy(CheckLatitude));
  command.add_option("--lon", texts.longitude, "longitude: degrees, E or W, minutes, such as 77E13")
      ->required()->type_name("DDD{E|W}MM")->check(CheckedBy(CheckLongitude));
}

BirthMoment ToBirthMoment(const BirthOptionTexts& texts) {
  BirthDate date;
  ClockTime time;
  int zoneRow = 0;
  CoordinateBoxes latitude, longitude;
  ReadBirthDate(texts.date, date);
  ReadClockTime(texts.time, time);
  ReadZoneRow(texts.zone, zoneRow);
  ReadLatitude(texts.latitude, latitude);
  ReadLongitude(texts.longitude, longitude);
  const TimeZoneTable& zones = LoadTimeZoneTable();
  // The readers let through one to three digits, which ReadBoxNumber always takes.
  const auto number = [](std::string_view digits) { return ReadBoxNumber(digits).value_or(0); };

  BirthMoment birth;
  birth.Month = static_cast<std::int16_t>(date.month);
  birth.Day = static_cast<std::int16_t>(date.day);
  birth.Year = static_cast<std::int16_t>(date.year);
  birth.Hour = static_cast<std::int16_t>(time.hour);
  birth.Minute = static_cast<std::int16_t>(time.minute);
  birth.ZoneHours = zones.TimeZoneHours[static_cast<std::size_t>(zoneRow)];
  birth.ZoneMinutes = zones.TimeZoneMinutes[static_cast<std::size_t>(zoneRow)];
  birth.DaylightSaving = texts.daylightSaving;
  birth.LongitudeDegrees = number(longitude.degrees);
  birth.LongitudeMinutes = number(longitude.minutes);
  birth.EastOfGreenwich = !longitude.secondDirection;
  birth.LatitudeDegrees = number(latitude.degrees);
  birth.LatitudeMinutes = number(latitude.minutes);
  birth.SouthOfEquator = latitude.secondDirection;
  return birth;
}

}  // namespace zentara::cli
