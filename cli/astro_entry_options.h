// The astro entry form's entries as zentara-cli match takes them: ten for each
// partner, as options (--male-name ... --female-country) or as the columns of a
// batch CSV file (male-name ... female-country). Each text goes where the form
// would hold it: names and places as typed, the date, time and zone as
// positions in their pick lists, a coordinate as its degree and minute boxes
// and its direction option.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "astro/match/astro_entries.h"
#include "cli/birth_options.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace zentara::cli {

enum class AstroColumn { Name, Date, Time, Zone, Dst, Lat, Lon, City, State, Country };
inline constexpr std::size_t AstroColumnCount = 10;

struct AstroColumnInfo {
  AstroColumn column;
  std::string_view name;  // "date": option --male-date, column male-date
  std::string_view type;  // the value's name in --help
  std::string_view help;
};

// One row for each AstroColumn, in that order.
extern const std::array<AstroColumnInfo, AstroColumnCount> AstroColumns;

// "male-date", "female-lat".
std::string ColumnName(Partner partner, AstroColumn column);

// Puts `text` into the control of `entries` that `column` names:
//   Name, City, State, Country: as typed; the form's letters boxes take only
//     A-Z, a-z and space, so any other character is refused with their
//     message "Please enter only letters" (an empty text is taken: the form's
//     checks refuse it);
//   Date YYYY-MM-DD, Time HH:MM and Zone ROW: pick-list positions, refused
//     outside the lists (years 1901 to 2050, hours 0 to 23, rows 0 to 70);
//   Lat DD{N|S}MM, Lon DDD{E|W}MM: the degree and minute boxes (at most three
//     digits each, either may be empty) and the direction;
//   Dst: "1" checks the daylight-saving box, "0" clears it.
// A Problem for a text the form could not hold; `entries` may then be half set.
Problem SetAstroEntry(AstroColumn column, std::string_view text, AstroPartnerEntries& entries);

// The column of the entry a failed CheckAstroEntries check is about.
AstroColumn ColumnOfCheck(const AstroCheckFailure& failure);

// One partner's options as typed.
struct PartnerOptions {
  std::array<std::string, AstroColumnCount> texts;  // by AstroColumn; Dst's stays empty
  bool daylightSaving = false;
  std::array<CLI::Option*, AstroColumnCount> options{};
};

// Adds --PARTNER-name ... --PARTNER-country to `command`, bound to `options`,
// each text checked by SetAstroEntry as the command line is read. A missing
// text option is an empty box, which the form's checks refuse.
void AddPartnerOptions(CLI::App& command, Partner partner, PartnerOptions& options);

// "--male-date is required" for the first of date, time and zone not given:
// the form always has something picked there, and no default is guessed.
std::optional<std::string> MissingPickOption(const PartnerOptions& options, Partner partner);

// The partner's entries from options that passed their checks.
AstroPartnerEntries ToPartnerEntries(const PartnerOptions& options);

}  // namespace zentara::cli
