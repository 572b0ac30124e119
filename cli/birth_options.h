// The birth entries of zentara-cli chart and match, read the way the astro entry
// form takes them: a date YYYY-MM-DD, a time HH:MM, a zone row, and a latitude
// DD{N|S}MM and longitude DDD{E|W}MM with at most three digits for each degree
// and minute number, as the form's boxes hold.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "astro/engine/birth_moment.h"

namespace CLI {
class App;
class Validator;
}  // namespace CLI

namespace zentara::cli {

// Why a text is not one the form could hold, such as "must be HH:MM on the
// 24-hour clock, such as 14:30, not '25:00'"; nothing when it is. The readers
// below build a text only when they refuse one.
using Problem = std::optional<std::string>;

struct BirthDate {
  int year = 0, month = 0, day = 0;  // 1901 to 2050, 1 to 12, 1 to 31
};
struct ClockTime {
  int hour = 0, minute = 0;  // 0 to 23, 0 to 59
};
// A coordinate as the form's two boxes and its option pair hold it.
struct CoordinateBoxes {
  std::string_view degrees, minutes;  // views into the text read
  bool secondDirection = false;       // South for a latitude, West for a longitude
};

// Which days a month has is not judged here: 1975-04-31 is read, and the form's
// date check refuses it afterwards.
Problem ReadBirthDate(std::string_view text, BirthDate& date);
Problem ReadClockTime(std::string_view text, ClockTime& time);
Problem ReadZoneRow(std::string_view text, int& row);  // a row of the time-zone list
// Degrees, N or S (E or W for a longitude), minutes, each number one to three
// digits. With `emptyBoxes`, either number may be left out ("N36", "28N", "N"),
// and an empty text leaves both out with the first direction (North, East):
// the form's boxes may be empty, and its checks refuse them.
Problem ReadLatitude(std::string_view text, CoordinateBoxes& boxes, bool emptyBoxes = false);
Problem ReadLongitude(std::string_view text, CoordinateBoxes& boxes, bool emptyBoxes = false);

// A CLI11 check that runs `read` on the option's text and turns its problem
// into a usage error.
CLI::Validator CheckedBy(std::function<Problem(std::string_view text)> read);

// The options of chart as typed.
struct BirthOptionTexts {
  std::string date, time, zone, latitude, longitude;
  bool daylightSaving = false;
};

// Adds --date, --time, --zone, --dst, --lat and --lon to `command`, all but
// --dst required. Each value is checked as the command line is read: one the
// form could not hold (a year outside 1901 to 2050, an hour past 23, a zone row
// past 70, a malformed coordinate...) is a usage error with a plain explanation.
void AddBirthOptions(CLI::App& command, BirthOptionTexts& texts);

// The birth record the astro driver would fill from the same entries; the zone
// row gives the size of its offset. `texts` must have passed those checks.
BirthMoment ToBirthMoment(const BirthOptionTexts& texts);

}  // namespace zentara::cli
