// One person of the book: the numerology form's names and birth date, the astro
// form's name, birth time and place, the frame the person usually takes, and a
// note. Every text is kept as typed (any Unicode); the birth fields are kept
// in the forms the command line takes them in.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentara::book {

enum class Frame { NotSaid, Male, Female };

struct Person {
  std::int64_t id = 0;  // given by the book; 0 before the person is added
  std::string first, middle, last;  // the numerology form's names
  std::string name;                 // the name shown on the astro form
  Frame frame = Frame::NotSaid;
  std::string date;       // YYYY-MM-DD, 1900-01-01 to 2050-12-31
  std::string time;       // HH:MM on the 24-hour clock; empty when unknown
  std::optional<int> zone;  // a row of the time-zone list, 0 to 70
  bool dst = false;       // the Daylight Saving Time box
  std::string latitude;   // "41N52": degrees, N or S, minutes (the form's boxes); empty when unknown
  std::string longitude;  // "87W38": degrees, E or W, minutes; empty when unknown
  std::string city, state, country;
  std::string timezone;   // the place's IANA zone when the place came from the atlas
  std::string note;
  std::string created, changed;  // UTC, "2026-12-07T10:30:00Z"; set by the book
  // Counts the changes stored of this person, set by the book: a person read
  // at one revision is saved only over that same revision.
  std::int64_t revision = 0;
};

// The columns of a person, as the CSV files and the command line's options name them.
enum class Column { Name, Date, Time, Zone, Dst, Lat, Lon, City, State, Country, First, Middle, Last, Frame, Timezone, Note };
inline constexpr std::size_t ColumnCount = 16;

struct ColumnInfo {
  Column column;
  std::string_view name;  // "date": CSV column date, option --date
  std::string_view help;
};
// One row for each Column, in that order: the order of an exported CSV file.
extern const std::array<ColumnInfo, ColumnCount> Columns;
std::string_view ColumnName(Column column);
std::optional<Column> ColumnNamed(std::string_view name);

// Why a column's text cannot be taken, such as "must be HH:MM on the 24-hour
// clock, not '25:00'"; nothing when it can.
using Problem = std::optional<std::string>;

// Puts `text` into `person`'s column, normalised ("6:05" is kept as "06:05"):
//   names, place names, timezone and note: as typed, only the note with line
//     breaks (CR or LF);
//   date YYYY-MM-DD, a day of its month from 1900 to 2050 (February has a 29th
//     in a year divisible by 4, as the entry forms have it);
//   time HH:MM or empty; zone a row 0 to 70 or empty; dst 1, 0 or empty (0);
//   lat DD{N|S}MM and lon DDD{E|W}MM, one to three digits each, or empty; the
//     minutes at most 59, a latitude at most 90 degrees and a longitude at
//     most 180;
//   frame "male", "female" or empty (not said).
Problem SetColumn(Person& person, Column column, std::string_view text);
// The column's text as SetColumn takes it back.
std::string ColumnText(const Person& person, Column column);

struct PersonProblem {
  Column column;
  std::string message;
};
// What a person must have beyond each column's own form: a name (first and
// last, or the astro form's), a birth date, and both coordinates or neither.
std::optional<PersonProblem> CheckPerson(const Person& person);

// "John Smith": the astro form's name, or else first and last name.
std::string DisplayName(const Person& person);
// "1975-08-15 14:30", the time left out when unknown.
std::string BornText(const Person& person);
// "Chicago, IL, US": the place's names that are not empty.
std::string PlaceText(const Person& person);
// "Frame" as the CSV and the command line write it: "male", "female" or "".
std::string_view FrameText(Frame frame);

// The time now as `created` and `changed` hold it.
std::string TimeStampNow();

}  // namespace zentara::book
