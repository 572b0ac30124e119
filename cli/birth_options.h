// The birth options of zentara-cli chart, read the way the astro entry form
// takes its entries: --date YYYY-MM-DD, --time HH:MM, --zone ROW, --dst,
// --lat DD{N|S}MM and --lon DDD{E|W}MM, with one to three digits for each
// degree and minute number, as the form's boxes hold.
#pragma once
#include <string>

#include "astro/engine/birth_moment.h"

namespace CLI {
class App;
class Option;
}

namespace zentara::cli {

struct CalendarDate {
  int year, month, day;
};

struct ClockTime {
  int hour, minute;
};

// A --date text, YYYY-MM-DD with a year of 1901 to 2050, a month of 1 to 12 and
// a day of 1 to 31, and a --time text, H:MM or HH:MM on the 24-hour clock. A
// text that is not one is a CLI::ValidationError with a plain explanation.
CalendarDate ReadDate(const std::string& text);
ClockTime ReadTime(const std::string& text);

// Adds --date or --time to `command`, bound to `text` and checked as above.
CLI::Option* AddDateOption(CLI::App& command, std::string& text, const std::string& description);
CLI::Option* AddTimeOption(CLI::App& command, std::string& text, const std::string& description);

// The options as typed.
struct BirthOptionTexts {
  std::string date, time, zone, latitude, longitude;
  bool daylightSaving = false;
};

// Adds the options to `command`, all but --dst required. Each value is checked
// as the command line is read: one the form could not hold (a year outside 1901
// to 2050, an hour past 23, a zone row past 70, a malformed coordinate...) is a
// usage error with a plain explanation.
void AddBirthOptions(CLI::App& command, BirthOptionTexts& texts);

// The birth record the astro driver would fill from the same entries; the zone
// row gives the size of its offset. `texts` must have passed those checks.
BirthMoment ToBirthMoment(const BirthOptionTexts& texts);

}  // namespace zentara::cli
