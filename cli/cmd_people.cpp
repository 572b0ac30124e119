// zentara-cli people: the book of people, shared with the desktop's People
// window. add, list, show, edit, rm, import, export, and rank (a person's best
// partners in the book by the astro match).
#include <CLI/CLI.hpp>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <memory>
#include <ostream>

#include "astro/match/place_lookup.h"
#include "astro/places/atlas_location.h"
#include "astro/places/form_entry.h"
#include "astro/places/tzdb_time_zone_rules.h"
#include "book/people_csv.h"
#include "book/people_search.h"
#include "book/ranking.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/people_access.h"
#include "cli/visible_text.h"

namespace zentara::cli {

namespace {

using book::Column;

constexpr const char* PeopleFooter =
    "The book is an SQLite file shared with the desktop's People window, which may have it open\n"
    "at the same time. --book PATH (or $ZENTARA_BOOK) uses another. A person is named by an ID or\n"
    "by a NAME, matched ignoring case against the astro form's name and against first plus last\n"
    "name; a NAME that fits several people is refused, listing their ids (exit status 1). A file\n"
    "at the book's path that is no book of this program's, or of a newer version, is left as it\n"
    "is: exit status 3, as for a book that cannot be read or written.\n"
    "\n"
    "CSV columns (import, export): name,date,time,zone,dst,lat,lon,city,state,country (as one side\n"
    "of 'match --batch') and first,middle,last,frame,timezone,note. Dates run from 1900-01-01 to\n"
    "2050-12-31; time may be empty (unknown); frame is male, female or empty (not said).";

// people rank writes its lines in blocks of about this size.
constexpr std::size_t RankBlockBytes = 1 << 16;

// add's or edit's options for the columns, by Column.
struct ColumnOptions {
  std::array<std::string, book::ColumnCount> texts;
  std::array<CLI::Option*, book::ColumnCount> given{};
  bool dst = false;
};

struct PeopleOptions {
  std::string book;
  bool json = false;
  ColumnOptions add, edit;
  std::string place;
  CLI::Option* placeOption = nullptr;
  std::string who;     // show, edit, rm, rank: ID or NAME
  std::string search;  // list
  std::string file;    // import
  std::size_t top = 0;  // rank: 0 for all
};

std::string Who(std::string_view action) { return "zentara-cli people " + std::string(action); }

// The columns given as options into `person`; the problem of the first refused.
std::optional<std::string> ApplyColumns(const ColumnOptions& options, book::Person& person) {
  for (const book::ColumnInfo& info : book::Columns) {
    const CLI::Option* option = options.given[static_cast<std::size_t>(info.column)];
    if (option == nullptr || option->count() == 0) continue;
    const std::string text = info.column == Column::Dst ? (options.dst ? "1" : "0")
                                                        : options.texts[static_cast<std::size_t>(info.column)];
    if (auto problem = book::SetColumn(person, info.column, text)) return "--" + std::string(info.name) + ": " + *problem;
  }
  return std::nullopt;
}

// --place: the coordinates, zone row, box and IANA zone of the place
// 'zentara-cli place' lists first for the name, state and country, at the
// birth date and time (noon when the time is unknown), as the look-up's Fill
// In takes them. Nothing is left out to find one: a state or country that
// names none, or no place of the name in them, is refused, so the place kept
// is always one in the state and country given.
int FillFromAtlas(const PeopleOptions& options, book::Person& person, Streams io) {
  if (HoldsNoName(options.place)) {
    io.err << Who("add") << ": --place holds no name to look up\n";
    return ExitRefused;
  }
  const places::LoadedAtlas& loaded = places::SharedAtlas();
  if (!loaded.atlas) {
    io.err << Who("add") << ": " << loaded.error << "\n";
    return ExitFile;
  }
  if (const auto unknown = UnknownStateOrCountry(*loaded.atlas, person.state, person.country)) {
    io.err << Who("add") << ": " << VisibleText(*unknown) << "\n";
    return ExitRefused;
  }
  const std::vector<places::PlaceMatch> found =
      loaded.atlas->Search(places::PlaceQuery{options.place, person.state, person.country, 1});
  if (found.empty()) {
    io.err << Who("add") << ": " << VisibleText(NoPlaceNamedText(options.place, person.state, person.country))
           << "\n";
    return ExitRefused;
  }
  places::LocalDateTime local{};
  std::sscanf(person.date.c_str(), "%d-%d-%d", &local.year, &local.month, &local.day);
  local.hour = 12;
  if (!person.time.empty()) std::sscanf(person.time.c_str(), "%d:%d", &local.hour, &local.minute);
  const places::TzdbTimeZoneRules rules;
  const places::PlaceEntries entries = places::EntriesForPlace(loaded.atlas->PlaceAt(found.front().place), rules, local);
  person.latitude = places::LatitudeText(entries.coordinates.latitude);
  person.longitude = places::LongitudeText(entries.coordinates.longitude);
  person.timezone = std::string(entries.place.timeZone);
  if (person.city.empty()) person.city = options.place;
  if (entries.zone) {
    person.zone = static_cast<int>(entries.zone->zoneRow);
    person.dst = entries.zone->daylightSaving;
  } else {
    io.err << Who("add") << ": warning: no zone row gives the offset of " << entries.place.name
           << " at that time; the zone is left unknown\n";
  }
  return ExitSuccess;
}

int Add(const PeopleOptions& options, book::Book& book, Streams io) {
  book::Person person;
  if (auto problem = ApplyColumns(options.add, person)) {
    io.err << Who("add") << ": " << VisibleText(*problem) << "\n";
    return ExitRefused;
  }
  if (options.placeOption->count() > 0) {
    if (const int status = FillFromAtlas(options, person, io); status != ExitSuccess) return status;
  }
  if (const auto problem = book::CheckPerson(person)) {
    io.err << Who("add") << ": " << book::ColumnName(problem->column) << ": " << problem->message << "\n";
    return ExitRefused;
  }
  io.out << book.Add(person) << "\n";
  return ExitSuccess;
}

int List(const PeopleOptions& options, book::Book& book, Streams io) {
  const std::vector<book::PersonSummary> people = book.Summaries();
  const book::PeopleSearch search(people);
  Json list = Json::array();
  for (const std::uint32_t at : search.Filter(options.search)) {
    const book::PersonSummary& p = people[at];
    if (options.json) {
      list.push_back({{"id", p.id}, {"name", p.name}, {"born", p.born}, {"place", p.place}});
    } else {
      io.out << p.id << "\t" << VisibleText(p.name) << "\t" << p.born << "\t" << VisibleText(p.place) << "\n";
    }
  }
  if (options.json) io.out << JsonText(list) << "\n";
  return ExitSuccess;
}

int Show(const book::Person& person, bool json, Streams io) {
  if (json) {
    io.out << JsonText(PersonJson(person)) << "\n";
    return ExitSuccess;
  }
  io.out << "id: " << person.id << "\n";
  for (const book::ColumnInfo& info : book::Columns) {
    io.out << info.name << ": " << VisibleText(book::ColumnText(person, info.column)) << "\n";
  }
  io.out << "created: " << person.created << "\nchanged: " << person.changed << "\n";
  return ExitSuccess;
}

int Edit(const PeopleOptions& options, book::Person person, book::Book& book, Streams io) {
  if (auto problem = ApplyColumns(options.edit, person)) {
    io.err << Who("edit") << ": " << VisibleText(*problem) << "\n";
    return ExitRefused;
  }
  if (const auto problem = book::CheckPerson(person)) {
    io.err << Who("edit") << ": " << book::ColumnName(problem->column) << ": " << problem->message << "\n";
    return ExitRefused;
  }
  book.Update(person);
  return ExitSuccess;
}

int Import(const PeopleOptions& options, book::Book& book, Streams io) {
  const bool standardInput = options.file == "-";
  const int input = standardInput ? STDIN_FILENO : open(options.file.c_str(), O_RDONLY | O_CLOEXEC);
  if (input < 0) {
    io.err << Who("import") << ": cannot read " << options.file << "\n";
    return ExitFile;
  }
  const book::ImportReport report = book::ImportPeople(book, input);
  if (!standardInput) close(input);
  if (report.unreadable) {
    io.err << Who("import") << ": cannot read " << options.file << ": " << *report.unreadable << "; no one was added\n";
    return ExitFile;
  }
  if (report.headerProblem) {
    io.err << Who("import") << ": " << VisibleText(*report.headerProblem) << "; no one was added\n";
    return ExitUsage;
  }
  for (const std::string& refused : report.refusedRows) io.err << VisibleText(refused) << "\n";
  io.out << report.added << (report.added == 1 ? " person" : " people") << " added\n";
  return report.refusedRows.empty() ? ExitSuccess : ExitRefused;
}

int Export(const PeopleOptions& options, book::Book& book, Streams io) {
  const std::vector<book::Person> people = book.All();
  if (!options.json) {
    io.out << book::PeopleCsv(people);
    return ExitSuccess;
  }
  Json list = Json::array();
  for (const book::Person& person : people) list.push_back(PersonJson(person));
  io.out << JsonText(list) << "\n";
  return ExitSuccess;
}

int Rank(const PeopleOptions& options, const book::Person& person, book::Book& book, Streams io) {
  std::string problem;
  const auto ranking = book::RankPartners(book, person.id, problem, options.top);
  if (!ranking) {
    io.err << Who("rank") << ": " << VisibleText(problem) << "\n";
    return ExitRefused;
  }
  const std::size_t shown = ranking->ranked.size();
  const char* frame = ranking->frame == Partner::Male ? "male" : "female";
  if (options.json) {
    Json ranked = Json::array(), unranked = Json::array();
    for (std::size_t i = 0; i < shown; ++i) {
      const book::RankedPartner& p = ranking->ranked[i];
      ranked.push_back({{"id", p.id}, {"name", p.name}, {"power", p.score.Power}, {"harmony", p.score.Harmony},
                        {"ph", p.score.PH}, {"percentage", p.score.Percentage}, {"comment", p.score.Comment}});
    }
    for (const book::UnrankedPerson& p : ranking->unranked) {
      unranked.push_back({{"id", p.id}, {"name", p.name}, {"reason", p.reason}});
    }
    io.out << JsonText(Json{{"id", ranking->id}, {"name", ranking->name}, {"frame", frame},
                            {"ranked", ranked}, {"unranked", unranked}})
           << "\n";
    return ExitSuccess;
  }
  io.out << "Best partners of " << VisibleText(ranking->name) << " (id " << ranking->id << ", " << frame << "):\n";
  // The lines gathered and written a block at a time: a whole book's ranking
  // is one line a person.
  std::string block;
  for (std::size_t i = 0; i < shown; ++i) {
    const book::RankedPartner& p = ranking->ranked[i];
    block += std::to_string(i + 1) + "\t" + std::to_string(p.id) + "\t" + VisibleText(p.name);
    block += "\tPercentage " + std::to_string(p.score.Percentage) + "\tP * H " + std::to_string(p.score.PH);
    block += "\tPower " + std::to_string(p.score.Power) + "\tHarmony " + std::to_string(p.score.Harmony);
    block += "\t" + std::string(p.score.Comment) + "\n";
    if (block.size() >= RankBlockBytes || i + 1 == shown) {
      io.out << block;
      block.clear();
    }
  }
  if (!ranking->unranked.empty()) {
    io.out << "Not ranked:\n";
    for (const book::UnrankedPerson& p : ranking->unranked) io.out << p.id << "\t" << VisibleText(p.reason) << "\n";
  }
  return ExitSuccess;
}

// Adds an option for every column (--dst a flag) to `command`.
void AddColumnOptions(CLI::App& command, ColumnOptions& options, bool editing) {
  for (const book::ColumnInfo& info : book::Columns) {
    const auto index = static_cast<std::size_t>(info.column);
    const std::string name = "--" + std::string(info.name);
    if (info.column == Column::Dst) {
      options.given[index] = command.add_flag(editing ? "--dst,!--no-dst" : "--dst", options.dst, std::string(info.help));
      continue;
    }
    options.given[index] = command.add_option(name, options.texts[index], std::string(info.help))->type_name("TEXT");
  }
}

// Runs `action` on the open book; a database failure is exit status 3.
template <class Action>
int WithBook(const PeopleOptions& options, std::string_view action, Streams io, Action run) {
  auto book = OpenBookOrSay(options.book, Who(action), io);
  if (!book) return ExitFile;
  try {
    return run(*book);
  } catch (const book::BookError& failure) {
    io.err << Who(action) << ": " << book->Path().string() << ": " << failure.what() << "\n";
    return ExitFile;
  }
}

// The same for an action on one person, who must be found first.
template <class Action>
int WithPerson(const PeopleOptions& options, std::string_view action, Streams io, Action run) {
  return WithBook(options, action, io, [&](book::Book& book) {
    std::string problem;
    const auto person = FindPerson(book, options.who, problem);
    if (!person) {
      io.err << Who(action) << ": " << VisibleText(problem) << "\n";
      return ExitRefused;
    }
    return run(book, *person);
  });
}

}  // namespace

CommandAction DefinePeople(CLI::App& command, Streams io) {
  auto options = std::make_shared<PeopleOptions>();
  AddBookOption(command, options->book);
  command.fallthrough();  // --book may come after the action too
  command.require_subcommand(1);
  command.footer(PeopleFooter);
  const auto person = [&options](CLI::App* action, const char* what) {
    action->add_option("person", options->who, what)->required()->type_name("ID|NAME");
  };
  const auto json = [&options](CLI::App* action) {
    action->add_flag("--json", options->json, "JSON instead of text");
  };

  CLI::App* add = command.add_subcommand("add", "add a person; prints the new id");
  AddColumnOptions(*add, options->add, false);
  add->get_option("--date")->required();
  options->placeOption = add->add_option("--place", options->place,
                                         "take coordinates, zone row, DST box and IANA zone from the place "
                                         "'zentara-cli place' lists first for this name, --state and --country "
                                         "(refused when they name none, or no such place is in them) at the "
                                         "birth's date and time; --city defaults to it")
                             ->type_name("CITY");
  for (const Column column : {Column::Lat, Column::Lon, Column::Zone, Column::Dst, Column::Timezone}) {
    options->placeOption->excludes(options->add.given[static_cast<std::size_t>(column)]);
  }
  CLI::App* list = command.add_subcommand("list", "everyone in the book, or those a search finds");
  list->add_option("--search", options->search, "only people whose names, place or note hold every word of TEXT")
      ->type_name("TEXT");
  json(list);
  CLI::App* show = command.add_subcommand("show", "one person's columns");
  person(show, "the person");
  json(show);
  CLI::App* edit = command.add_subcommand("edit", "change the columns given of one person");
  person(edit, "the person");
  AddColumnOptions(*edit, options->edit, true);
  CLI::App* rm = command.add_subcommand("rm", "remove a person");
  person(rm, "the person");
  CLI::App* import = command.add_subcommand("import", "add the people of a CSV file, '-' for stdin");
  import->add_option("file", options->file, "the CSV file")->required()->type_name("FILE.csv|-");
  import->footer(
      "Each row that cannot be taken is reported on stderr as \"row N: COLUMN: message\" (the header\n"
      "is row 1) and left out, and the exit status is 1; the others are added, all in one\n"
      "transaction once the whole file is read. A header row naming an unknown or repeated column,\n"
      "or no date column, adds no one (exit status 2). Prints \"N people added\".");
  CLI::App* exported = command.add_subcommand("export", "every person as CSV, or JSON with --json");
  json(exported);
  CLI::App* rank = command.add_subcommand("rank", "a person's best partners in the book by the astro match");
  person(rank, "the person");
  rank->add_option("--top", options->top, "only the best K")->type_name("K")->check(CLI::PositiveNumber);
  json(rank);
  rank->footer(
      "The person takes the frame they usually take (male when not said), everyone else the other\n"
      "frame; partners are ranked by Percentage, then P * H, then name. Text: a heading, then one\n"
      "partner a line: rank, id, name, Percentage, P * H, Power, Harmony, Comment, tab-separated;\n"
      "then \"Not ranked:\" and the id and reason of each person the astro match cannot take (no\n"
      "birth time, a birth before 1901, an entry the astro form refuses). --json:\n"
      "{\"id\",\"name\",\"frame\",\"ranked\":[{\"id\",\"name\",\"power\",\"harmony\",\"ph\",\"percentage\",\n"
      "\"comment\"}],\"unranked\":[{\"id\",\"name\",\"reason\"}]}.");

  return [options, io, add, list, show, edit, rm, import, exported, rank]() -> int {
    const PeopleOptions& o = *options;
    if (add->parsed()) return WithBook(o, "add", io, [&](book::Book& b) { return Add(o, b, io); });
    if (list->parsed()) return WithBook(o, "list", io, [&](book::Book& b) { return List(o, b, io); });
    if (import->parsed()) return WithBook(o, "import", io, [&](book::Book& b) { return Import(o, b, io); });
    if (exported->parsed()) return WithBook(o, "export", io, [&](book::Book& b) { return Export(o, b, io); });
    if (show->parsed()) {
      return WithPerson(o, "show", io, [&](book::Book&, const book::Person& p) { return Show(p, o.json, io); });
    }
    if (edit->parsed()) {
      return WithPerson(o, "edit", io, [&](book::Book& b, const book::Person& p) { return Edit(o, p, b, io); });
    }
    if (rm->parsed()) {
      return WithPerson(o, "rm", io, [&](book::Book& b, const book::Person& p) {
        b.Remove(p.id);
        return ExitSuccess;
      });
    }
    if (rank->parsed()) {
      return WithPerson(o, "rank", io, [&](book::Book& b, const book::Person& p) { return Rank(o, p, b, io); });
    }
    return ExitUsage;
  };
}

}  // namespace zentara::cli
