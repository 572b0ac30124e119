// zentara-cli place: looks a birthplace up in the offline atlas and gives, for
// each match, its coordinates as the astro form's boxes take them, the offset
// its clocks kept at the given local date and time (from the system's
// time-zone database), and the zone row and Daylight Saving Time box that
// reproduce that offset; the closest names when nothing matches.
#include <CLI/CLI.hpp>
#include <ctime>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "astro/match/astro_date_check.h"
#include "astro/match/place_lookup.h"
#include "astro/match/zone_list.h"
#include "astro/places/atlas_location.h"
#include "astro/match/form_entry.h"
#include "astro/places/zoneinfo_offsets.h"
#include "cli/birth_options.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"
#include "cli/visible_text.h"

namespace zentara::cli {

namespace {

using places::ClockChange;

constexpr const char* PlaceFooter =
    "Matches come whole names first, then names that begin with QUERY, each by\n"
    "population, largest first; case, accents and hyphens do not matter, St, Ft\n"
    "and Mt stand for Saint, Fort and Mount, and names in other scripts count. A\n"
    "comma in QUERY starts a state or country the place must lie in ('Springfield,\n"
    "IL', 'Paris, France'). --state takes the state's name, its name in the\n"
    "country's language or its code (Bavaria, Bayern, BY). Text: one\n"
    "place a line: name, state, country (code) | population | latitude and longitude\n"
    "as 'chart' takes them | time zone, offset, abbreviation, daylight saving, a\n"
    "skipped or repeated local time | the form's zone row and Daylight Saving Time\n"
    "box. --json: {\"places\":[{\"name\",\"state\",\"country\",\"country_code\",\n"
    "\"population\",\"latitude\",\"longitude\",\"lat\",\"lon\",\"timezone\",\"utc_offset\",\n"
    "\"daylight_saving\",\"abbreviation\",\"clock_change\",\"form\":{\"zone_row\",\"dst\"}}],\n"
    "\"did_you_mean\":[names]}; did_you_mean lists, when nothing matches, the\n"
    "closest names (a note on standard error says them too), and is empty otherwise;\n"
    "clock_change is null, \"skipped\" or \"repeated\" (a skipped or repeated time gets\n"
    "the offset in force just before the change); form is null where no zone row\n"
    "gives the offset; the offset fields are null for a zone the database lacks.\n"
    "The engines read the offset as +(row + 1 hour with the box) east of Greenwich\n"
    "and -row + 1 hour with the box west of it (0 degrees 0 minutes counts as west).\n"
    "No match, in a state and country that exist: nothing, or {\"places\":[],...},\n"
    "with exit status 0. A --country that names no country, or a --state that names\n"
    "no region (of that country, with --country), is refused with the closest names:\n"
    "'No state or region named Mass. Did you mean \"Massachusetts\"?', exit status 1.\n"
    "A QUERY blank before its first comma: exit status 2. A missing or damaged atlas:\n"
    "exit status 3.";

struct PlaceOptions {
  std::vector<std::string> words;
  std::string state, country, date, time;
  std::size_t limit = 10;
  bool json = false;
};

// --date and --time as given, the local clock's now for either left out.
places::LocalDateTime ChosenMoment(const PlaceOptions& options) {
  const std::time_t now = std::time(nullptr);
  std::tm clock{};
  localtime_r(&now, &clock);
  places::LocalDateTime moment{clock.tm_year + 1900, clock.tm_mon + 1, clock.tm_mday, clock.tm_hour, clock.tm_min};
  if (!options.date.empty()) {
    BirthDate date;
    ReadBirthDate(options.date, date);  // checked as the command line was read
    moment.year = date.year;
    moment.month = date.month;
    moment.day = date.day;
  }
  if (!options.time.empty()) {
    ClockTime time;
    ReadClockTime(options.time, time);
    moment.hour = time.hour;
    moment.minute = time.minute;
  }
  return moment;
}

const char* ClockChangeName(ClockChange change) {
  return change == ClockChange::Skipped ? "skipped" : change == ClockChange::Repeated ? "repeated" : nullptr;
}

Json ToJson(const places::PlaceEntries& facts) {
  const places::Place& place = facts.place;
  Json json = {{"name", place.name},
               {"state", place.regionName},
               {"country", place.countryName},
               {"country_code", place.countryCode},
               {"population", place.population},
               {"latitude", place.latitude},
               {"longitude", place.longitude},
               {"lat", places::LatitudeText(facts.coordinates.latitude)},
               {"lon", places::LongitudeText(facts.coordinates.longitude)},
               {"timezone", place.timeZone}};
  if (!facts.offset) {
    for (const char* key : {"utc_offset", "daylight_saving", "abbreviation", "clock_change", "form"}) json[key] = nullptr;
    return json;
  }
  json["utc_offset"] = places::UtcOffsetText(facts.offset->utcOffsetSeconds);
  json["daylight_saving"] = facts.offset->daylightSaving;
  json["abbreviation"] = facts.offset->abbreviation;
  const char* change = ClockChangeName(facts.offset->clockChange);
  json["clock_change"] = change ? Json(change) : Json(nullptr);
  json["form"] = facts.zone ? Json{{"zone_row", facts.zone->zoneRow}, {"dst", facts.zone->daylightSaving}}
                             : Json(nullptr);
  return json;
}

void WriteText(std::ostream& out, const places::PlaceEntries& facts) {
  const places::Place& place = facts.place;
  out << place.name;
  if (!place.regionName.empty()) out << ", " << place.regionName;
  out << ", " << place.countryName << " (" << place.countryCode << ") | pop. " << place.population << " | "
      << places::LatitudeText(facts.coordinates.latitude) << " "
      << places::LongitudeText(facts.coordinates.longitude) << " | "
      << place.timeZone;
  if (!facts.offset) {
    out << ": not in the time-zone database\n";
    return;
  }
  out << " UTC" << places::UtcOffsetText(facts.offset->utcOffsetSeconds) << " " << facts.offset->abbreviation;
  if (facts.offset->daylightSaving) out << ", daylight saving";
  if (const char* change = ClockChangeName(facts.offset->clockChange)) out << ", " << change << " local time";
  if (facts.zone) {
    out << " | zone row " << facts.zone->zoneRow << " \"" << LoadTimeZoneTable().TimeZoneNames[facts.zone->zoneRow]
        << "\", DST box " << (facts.zone->daylightSaving ? "checked" : "clear") << "\n";
  } else {
    out << " | no zone row gives UTC" << places::UtcOffsetText(facts.offset->utcOffsetSeconds) << "\n";
  }
}

int RunPlace(const PlaceOptions& options, Streams io) {
  const places::LocalDateTime moment = ChosenMoment(options);
  BirthMoment date;
  date.Year = static_cast<std::int16_t>(moment.year);
  date.Month = static_cast<std::int16_t>(moment.month);
  date.Day = static_cast<std::int16_t>(moment.day);
  if (const auto message = CheckAstroBirthDate(date, Partner::Male)) {
    io.err << *message << "\n";
    return ExitRefused;
  }

  places::PlaceQuery query;
  for (const std::string& word : options.words) query.name += (query.name.empty() ? "" : " ") + word;
  if (HoldsNoName(query.name)) {
    io.err << "zentara-cli place: QUERY holds no name to look up\n";
    return ExitUsage;
  }
  const places::LoadedAtlas& loaded = places::SharedAtlas();
  if (!loaded.atlas) {
    io.err << "zentara-cli place: " << loaded.error << "\n";
    return ExitFile;
  }
  // A state or country left blank narrows nothing, as in the look-up window;
  // one that names none is refused rather than left out.
  if (const auto unknown = UnknownStateOrCountry(*loaded.atlas, options.state, options.country)) {
    io.err << VisibleText(*unknown) << "\n";
    return ExitRefused;
  }
  query.region = options.state;
  query.country = options.country;
  query.limit = options.limit;

  const places::TzdbTimeZoneRules rules;
  const std::vector<places::PlaceMatch> matches = loaded.atlas->Search(query);
  Json list = Json::array();
  for (const places::PlaceMatch& match : matches) {
    const places::PlaceEntries facts = places::EntriesForPlace(loaded.atlas->PlaceAt(match.place), rules, moment);
    if (options.json) {
      list.push_back(ToJson(facts));
    } else {
      WriteText(io.out, facts);
    }
  }
  const std::vector<std::string> suggestions =
      matches.empty() ? loaded.atlas->SuggestNames(query) : std::vector<std::string>();
  if (!suggestions.empty()) io.err << VisibleText(NothingFoundText(query.name, suggestions)) << "\n";
  if (options.json) io.out << JsonText(Json{{"places", list}, {"did_you_mean", suggestions}}) << "\n";
  return ExitSuccess;
}

}  // namespace

CommandAction DefinePlace(CLI::App& command, Streams io) {
  auto options = std::make_shared<PlaceOptions>();
  command.add_option("query", options->words, "the place's name or the start of it; words are joined by spaces")
      ->required()->type_name("QUERY");
  command.add_option("--state", options->state, "only places in this state or region, by name or code")
      ->type_name("S");
  command.add_option("--country", options->country, "only places in this country, by name or ISO code")
      ->type_name("C");
  command.add_option("--date", options->date, "local date the offset is wanted for, 1901-01-01 to 2050-12-31 (default today)")
      ->type_name("YYYY-MM-DD")->check(CheckedBy([](std::string_view text) { BirthDate date; return ReadBirthDate(text, date); }));
  command.add_option("--time", options->time, "local clock time the offset is wanted for (default now)")
      ->type_name("HH:MM")->check(CheckedBy([](std::string_view text) { ClockTime time; return ReadClockTime(text, time); }));
  command.add_option("--limit", options->limit, "at most N places (default 10)")
      ->type_name("N")->check(CLI::Range(1, 1000));
  command.add_flag("--json", options->json, "one JSON object instead of text");
  command.footer(PlaceFooter);
  return [options, io] { return RunPlace(*options, io); };
}

}  // namespace zentara::cli
