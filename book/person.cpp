#include "book/person.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "astro/match/zone_list.h"
#include "common/number_text.h"
#include "common/shown_text.h"

namespace zentara::book {

const std::array<ColumnInfo, ColumnCount> Columns = {{
    {Column::Name, "name", "the name on the astro form"},
    {Column::Date, "date", "birth date YYYY-MM-DD, 1900-01-01 to 2050-12-31"},
    {Column::Time, "time", "birth time HH:MM on the 24-hour clock; empty when unknown"},
    {Column::Zone, "zone", "time zone: a row of 'zentara-cli zones', 0 to 70"},
    {Column::Dst, "dst", "daylight saving time was in force: 1 or 0"},
    {Column::Lat, "lat", "latitude DD{N|S}MM, such as 41N52"},
    {Column::Lon, "lon", "longitude DDD{E|W}MM, such as 87W38"},
    {Column::City, "city", "city of birth"},
    {Column::State, "state", "state of birth"},
    {Column::Country, "country", "country of birth"},
    {Column::First, "first", "first name"},
    {Column::Middle, "middle", "middle name"},
    {Column::Last, "last", "last name"},
    {Column::Frame, "frame", "the frame the person usually takes: male, female or empty"},
    {Column::Timezone, "timezone", "the place's IANA time zone, such as America/Chicago"},
    {Column::Note, "note", "a free note"},
}};

std::string_view ColumnName(Column column) { return Columns[static_cast<std::size_t>(column)].name; }

std::optional<Column> ColumnNamed(std::string_view name) {
  for (const ColumnInfo& info : Columns) {
    if (info.name == name) return info.column;
  }
  return std::nullopt;
}

namespace {

std::string Quoted(std::string_view text) { return "'" + ShownText(text) + "'"; }

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

constexpr std::string_view MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                           "July",    "August",   "September", "October", "November", "December"};

// Days of a month as the entry forms count them: February has 29 in every year
// divisible by 4.
int DaysIn(int month, int year) {
  constexpr int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && year % 4 != 0) return 28;
  return days[month - 1];
}

Problem SetDate(std::string& date, std::string_view text) {
  const std::string problem = "must be a date YYYY-MM-DD from 1900-01-01 to 2050-12-31, not " + Quoted(text);
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return problem;
  const auto year = ReadDigits(text.substr(0, 4), 4), month = ReadDigits(text.substr(5, 2), 2), day = ReadDigits(text.substr(8, 2), 2);
  if (!year || !month || !day || *year < 1900 || *year > 2050 || *month < 1 || *month > 12 || *day < 1) return problem;
  if (*day > DaysIn(*month, *year)) {
    return "is no day of the calendar: " + std::string(MonthNames[*month - 1]) + " " + std::to_string(*year) +
           " has " + std::to_string(DaysIn(*month, *year)) + " days, not " + Quoted(text);
  }
  date.assign(text);
  return std::nullopt;
}

Problem SetTime(std::string& time, std::string_view text) {
  if (text.empty()) {
    time.clear();
    return std::nullopt;
  }
  const std::size_t colon = text.find(':');
  const auto hour = colon == std::string_view::npos ? std::nullopt : ReadDigits(text.substr(0, colon), 2);
  const auto minute = colon == std::string_view::npos ? std::nullopt : ReadDigits(text.substr(colon + 1), 2);
  if (!hour || !minute || *hour > 23 || *minute > 59 || text.size() - colon != 3) {
    return "must be HH:MM on the 24-hour clock, such as 14:30, or empty when unknown, not " + Quoted(text);
  }
  time = TwoDigits(*hour) + ":" + TwoDigits(*minute);
  return std::nullopt;
}

Problem SetZone(std::optional<int>& zone, std::string_view text) {
  if (text.empty()) {
    zone.reset();
    return std::nullopt;
  }
  const auto row = ReadDigits(text, 2);
  if (!row || *row >= static_cast<int>(TimeZoneRowCount)) {
    return "must be a row of 'zentara-cli zones', 0 to 70, not " + Quoted(text);
  }
  zone = *row;
  return std::nullopt;
}

// Degrees, the direction letter, minutes: one to three digits each, the
// minutes below 60 and the whole within `most` degrees (90 for a latitude,
// 180 for a longitude), so no place off the globe is kept.
Problem SetCoordinate(std::string& coordinate, std::string_view text, char first, char second, int most,
                      std::string_view example) {
  if (text.empty()) {
    coordinate.clear();
    return std::nullopt;
  }
  const std::size_t letter = text.find_first_of(std::string{first, second});
  const auto degrees = letter == std::string_view::npos ? std::nullopt : ReadDigits(text.substr(0, letter), 3);
  const auto minutes = letter == std::string_view::npos ? std::nullopt : ReadDigits(text.substr(letter + 1), 3);
  if (!degrees || !minutes) {
    return "must be degrees, " + std::string(1, first) + " or " + std::string(1, second) +
           ", then minutes, one to three digits each, such as " + std::string(example) + ", not " + Quoted(text);
  }
  if (*minutes > 59 || *degrees * 60 + *minutes > most * 60) {
    return "must be at most " + std::to_string(most) + " degrees, with minutes from 0 to 59, such as " +
           std::string(example) + ", not " + Quoted(text);
  }
  coordinate.assign(text);
  return std::nullopt;
}

}  // namespace

Problem SetColumn(Person& person, Column column, std::string_view text) {
  // A CSV file holds a line break only in the note (common/csv_reader.h), so a
  // person kept with one elsewhere could be exported but not imported again.
  if (column != Column::Note && text.find_first_of("\r\n") != std::string_view::npos) {
    return "must be one line: only the note may hold line breaks";
  }
  switch (column) {
    case Column::Name: person.name.assign(text); return std::nullopt;
    case Column::First: person.first.assign(text); return std::nullopt;
    case Column::Middle: person.middle.assign(text); return std::nullopt;
    case Column::Last: person.last.assign(text); return std::nullopt;
    case Column::City: person.city.assign(text); return std::nullopt;
    case Column::State: person.state.assign(text); return std::nullopt;
    case Column::Country: person.country.assign(text); return std::nullopt;
    case Column::Timezone: person.timezone.assign(text); return std::nullopt;
    case Column::Note: person.note.assign(text); return std::nullopt;
    case Column::Date: return SetDate(person.date, text);
    case Column::Time: return SetTime(person.time, text);
    case Column::Zone: return SetZone(person.zone, text);
    case Column::Lat: return SetCoordinate(person.latitude, text, 'N', 'S', 90, "41N52");
    case Column::Lon: return SetCoordinate(person.longitude, text, 'E', 'W', 180, "87W38");
    case Column::Dst:
      if (text != "1" && text != "0" && !text.empty()) return "must be 1 or 0, not " + Quoted(text);
      person.dst = text == "1";
      return std::nullopt;
    case Column::Frame:
      if (text == "male") person.frame = Frame::Male;
      else if (text == "female") person.frame = Frame::Female;
      else if (text.empty()) person.frame = Frame::NotSaid;
      else return "must be male, female or empty, not " + Quoted(text);
      return std::nullopt;
  }
  return "is no column of a person";
}

std::string ColumnText(const Person& p, Column column) {
  switch (column) {
    case Column::Name: return p.name;
    case Column::Date: return p.date;
    case Column::Time: return p.time;
    case Column::Zone: return p.zone ? std::to_string(*p.zone) : std::string();
    case Column::Dst: return p.dst ? "1" : "0";
    case Column::Lat: return p.latitude;
    case Column::Lon: return p.longitude;
    case Column::City: return p.city;
    case Column::State: return p.state;
    case Column::Country: return p.country;
    case Column::First: return p.first;
    case Column::Middle: return p.middle;
    case Column::Last: return p.last;
    case Column::Frame: return std::string(FrameText(p.frame));
    case Column::Timezone: return p.timezone;
    case Column::Note: return p.note;
  }
  return {};
}

std::optional<PersonProblem> CheckPerson(const Person& p) {
  if (p.name.empty() && (p.first.empty() || p.last.empty())) {
    return PersonProblem{p.first.empty() ? Column::First : Column::Last,
                         "a person needs a first and a last name, or the name on the astro form"};
  }
  if (p.date.empty()) return PersonProblem{Column::Date, "a person needs a birth date"};
  if (p.latitude.empty() != p.longitude.empty()) {
    return PersonProblem{p.latitude.empty() ? Column::Lat : Column::Lon,
                         "a place needs both its latitude and its longitude"};
  }
  return std::nullopt;
}

std::string DisplayName(const Person& p) {
  if (!p.name.empty()) return p.name;
  if (p.first.empty()) return p.last;
  return p.last.empty() ? p.first : p.first + " " + p.last;
}

std::string BornText(const Person& p) { return p.time.empty() ? p.date : p.date + " " + p.time; }

std::string PlaceText(const Person& p) {
  std::string text;
  for (const std::string* part : {&p.city, &p.state, &p.country}) {
    if (part->empty()) continue;
    if (!text.empty()) text += ", ";
    text += *part;
  }
  return text;
}

std::string_view FrameText(Frame frame) {
  return frame == Frame::Male ? "male" : frame == Frame::Female ? "female" : "";
}

std::string TimeStampNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

}  // namespace zentara::book
