// zentara-cli people: the book of people, shared with the desktop's People
// window. add, list, show, edit, rm, import, export, and rank (a person's best
// partners in the book by the astro match).
#include <CLI/CLI.hpp>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "astro/match/place_lookup.h"
#include "astro/places/atlas_location.h"
#include "astro/match/form_entry.h"
#include "astro/places/zoneinfo_offsets.h"
#include "book/people_csv.h"
#include "book/people_search.h"
#include "book/ranking.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/people_access.h"
#include "cli/visible_text.h"
#include "common/number_text.h"

namespace zentara::cli {

namespace {

using book::Column;

constexpr const char* PeopleFooter =
    "The book is an SQLite file shared with the desktop's People window, which may have it open\n"
    "at the same time. --book PATH (or $ZENTARA_BOOK) uses another. A person is named by an ID or\n"
    "by a NAME, matched ignoring case against the astro form's name and against first plus last\n"
    "name; a NAME that fits several people is refused, listing their ids (exit status 1). A file\n"
    "at the book's path that is no book of this program's, or of a newer version, is left as it\n"
    "is: exit status 3, as for a book that cannot be read or written. A read-only book can be read\n"
    "(list, show, export, rank, check); a book found damaged is marked so, and nothing writes to\n"
    "it until 'check' finds it whole: the message says how to save what can still be read.\n"
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
  std::string top;     // rank: empty for all
};

// rank --top: at most this many digits, so from 1 to 999999999.
constexpr std::size_t TopDigits = 9;

// The number --top gives, 0 for all; checked as the command line was read.
std::size_t TopOf(const std::string& text) {
  return text.empty() ? 0 : static_cast<std::size_t>(ReadDigits(text, TopDigits).value_or(0));
}

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
  // The region and country as the atlas names them, as the look-up's Fill In
  // gives them, unless given.
  if (person.state.empty()) person.state = std::string(entries.place.regionName);
  if (person.country.empty()) person.country = std::string(entries.place.countryName);
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

// Written as the book is read, a block at a time: memory does not grow with
// the book.
class BlockWriter {
 public:
  explicit BlockWriter(std::ostream& out) : out_(out) {}
  ~BlockWriter() { Flush(); }
  std::string& Text() { return block_; }
  void Done() {
    if (block_.size() >= RankBlockBytes) Flush();
  }
  void Flush() {
    out_ << block_;
    block_.clear();
  }

 private:
  std::ostream& out_;
  std::string block_;
};

int List(const PeopleOptions& options, book::Book& book, Streams io) {
  const book::SearchWords search(options.search);
  BlockWriter out(io.out);
  bool first = true;
  if (options.json) out.Text() += '[';
  book.ForEachSummary([&](const book::PersonSummary& p) {
    if (!search.Matches(p.search)) return;
    if (options.json) {
      out.Text() += (first ? "" : ",") + JsonText({{"id", p.id}, {"name", p.name}, {"born", p.born}, {"place", p.place}});
    } else {
      out.Text() += std::to_string(p.id) + "\t" + VisibleText(p.name) + "\t" + p.born + "\t" + VisibleText(p.place) + "\n";
    }
    first = false;
    out.Done();
  });
  if (options.json) out.Text() += "]\n";
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

// Changes only the columns given, on the person as the book has them at the
// moment of the change.
int Edit(const PeopleOptions& options, std::int64_t id, book::Book& book, Streams io) {
  std::optional<std::string> refused;
  const book::Book::EditOutcome outcome = book.Edit(id, [&](book::Person& person) -> std::optional<book::PersonProblem> {
    refused = ApplyColumns(options.edit, person);
    if (refused) return book::PersonProblem{Column::Name, *refused};
    return std::nullopt;
  });
  if (!outcome.found) {
    io.err << Who("edit") << ": no person has the id " << id << "\n";
    return ExitRefused;
  }
  if (outcome.refused) {
    io.err << Who("edit") << ": "
           << VisibleText(refused ? *refused
                                  : std::string(book::ColumnName(outcome.refused->column)) + ": " + outcome.refused->message)
           << "\n";
    return ExitRefused;
  }
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
  BlockWriter out(io.out);
  bool first = true;
  out.Text() += options.json ? "[" : book::PeopleCsvHeader();
  book.ForEachPerson([&](const book::Person& person) {
    if (options.json) {
      out.Text() += (first ? "" : ",") + JsonText(PersonJson(person));
    } else {
      book::AppendPeopleCsvRow(out.Text(), person);
    }
    first = false;
    out.Done();
  });
  if (options.json) out.Text() += "]\n";
  return ExitSuccess;
}

// The ranking is written as it is made: the heading, then the partners a
// block at a time, then the people not ranked.
int Rank(const PeopleOptions& options, const book::Person& person, book::Book& book, Streams io) {
  std::string problem;
  BlockWriter out(io.out);
  bool firstUnranked = true;
  const bool json = options.json;
  const bool ranked = book::RankPartnersInTurn(
      book, person.id, problem, TopOf(options.top),
      [&](const book::RankingHeading& heading) {
        const char* frame = heading.frame == Partner::Male ? "male" : "female";
        if (json) {
          std::string opening = JsonText(Json{{"id", heading.id}, {"name", heading.name}, {"frame", frame}});
          opening.pop_back();  // the closing brace: the lists follow
          out.Text() += opening + ",\"ranked\":[";
        } else {
          out.Text() += "Best partners of " + VisibleText(heading.name) + " (id " + std::to_string(heading.id) + ", " +
                        frame + "):\n";
        }
      },
      [&](std::size_t rank, const book::RankedPartner& p) {
        if (json) {
          out.Text() += (rank == 1 ? "" : ",") +
                        JsonText({{"id", p.id}, {"name", p.name}, {"power", p.score.Power}, {"harmony", p.score.Harmony},
                                  {"ph", p.score.PH}, {"percentage", p.score.Percentage}, {"comment", p.score.Comment}});
        } else {
          out.Text() += std::to_string(rank) + "\t" + std::to_string(p.id) + "\t" + VisibleText(p.name) +
                        "\tPercentage " + std::to_string(p.score.Percentage) + "\tP * H " + std::to_string(p.score.PH) +
                        "\tPower " + std::to_string(p.score.Power) + "\tHarmony " + std::to_string(p.score.Harmony) +
                        "\t" + std::string(p.score.Comment) + "\n";
        }
        out.Done();
      },
      [&](const book::UnrankedPerson& p) {
        if (json) {
          if (firstUnranked) out.Text() += "],\"unranked\":[";
          out.Text() += (firstUnranked ? "" : ",") + JsonText({{"id", p.id}, {"name", p.name}, {"reason", p.reason}});
        } else {
          if (firstUnranked) out.Text() += "Not ranked:\n";
          out.Text() += std::to_string(p.id) + "\t" + VisibleText(p.reason) + "\n";
        }
        firstUnranked = false;
        out.Done();
      });
  if (!ranked) {
    io.err << Who("rank") << ": " << VisibleText(problem) << "\n";
    return ExitRefused;
  }
  if (json) out.Text() += firstUnranked ? "],\"unranked\":[]}\n" : "]}\n";
  return ExitSuccess;
}

// people check: SQLite's full integrity check of the book.
int Check(const PeopleOptions& options, Streams io) {
  const std::filesystem::path path = options.book.empty() ? book::DefaultBookPath() : std::filesystem::path(options.book);
  const book::BookCheck check = book::CheckBook(path, false);
  if (check.whole) {
    io.out << path.string() << ": the book is whole\n";
    return ExitSuccess;
  }
  io.out << path.string() << ": the check found:\n";
  for (const std::string& finding : check.findings) io.out << "  " << VisibleText(finding) << "\n";
  if (const auto identity = book::IdentityOf(path); identity && book::DamageMark(*identity)) {
    io.err << Who("check") << ": " << VisibleText(book::DamagedBookAdvice(path.string(), check.findings.front())) << "\n";
  }
  return ExitFile;
}

// Adds an option for every column (--dst a flag) to `command`.
void AddColumnOptions(CLI::App& command, ColumnOptions& options, bool editing) {
  for (const book::ColumnInfo& info : book::Columns) {
    const auto index = static_cast<std::size_t>(info.column);
    const std::string name = "--" + std::string(info.name);
    if (info.column == Column::Dst) {
      options.given[index] = command.add_flag(editing ? "--dst,!--no-dst" : "--dst", options.dst,
                                              editing ? "daylight saving time was in force; --no-dst: it was not"
                                                      : "daylight saving time was in force");
      continue;
    }
    options.given[index] = command.add_option(name, options.texts[index], std::string(info.help))->type_name("TEXT");
  }
}

// Runs `action` on the open book; a database failure is exit status 3, told
// with what a user can do about it when the book is read-only, damaged or
// was removed under the program.
template <class Action>
int WithBook(const PeopleOptions& options, std::string_view action, Streams io, Action run) {
  auto book = OpenBookOrSay(options.book, Who(action), io);
  if (!book) return ExitFile;
  try {
    return run(*book);
  } catch (const book::BookError& failure) {
    io.err << Who(action) << ": " << VisibleText(BookFailureText(*book, failure)) << "\n";
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

// The argument naming one person, and --json, as several actions take them.
void AddPersonArgument(CLI::App* action, PeopleOptions& options) {
  action->add_option("person", options.who, "the person")->required()->type_name("ID|NAME")->check(PersonNamed);
}
void AddJsonFlag(CLI::App* action, PeopleOptions& options) {
  action->add_flag("--json", options.json, "JSON instead of text");
}

CLI::App* DefineAdd(CLI::App& command, PeopleOptions& options) {
  CLI::App* add = command.add_subcommand("add", "add a person; prints the new id");
  AddColumnOptions(*add, options.add, false);
  add->get_option("--date")->required();
  options.placeOption = add->add_option("--place", options.place,
                                        "take coordinates, zone row, DST box and IANA zone from the place "
                                        "'zentara-cli place' lists first for this name, --state and --country "
                                        "(refused when they name none, or no such place is in them) at the "
                                        "birth's date and time; --city defaults to it, --state and --country to "
                                        "the atlas's names")
                            ->type_name("CITY");
  for (const Column column : {Column::Lat, Column::Lon, Column::Zone, Column::Dst, Column::Timezone}) {
    options.placeOption->excludes(options.add.given[static_cast<std::size_t>(column)]);
  }
  return add;
}

CLI::App* DefineImport(CLI::App& command, PeopleOptions& options) {
  CLI::App* import = command.add_subcommand("import", "add the people of a CSV file, '-' for stdin");
  import->add_option("file", options.file, "the CSV file")->required()->type_name("FILE.csv|-");
  import->footer(
      "Each row that cannot be taken is reported on stderr as \"row N (line L): COLUMN: message\" and\n"
      "left out, and the exit status is 1; the others are added, all in one transaction once the\n"
      "whole file is read and checked (a slow source keeps no one from writing the book meanwhile).\n"
      "Rows count from the header, row 1, leaving out empty lines; lines are the file's lines. Only\n"
      "note may hold line breaks: an opening quote in another column not closed on its line makes\n"
      "that line one row left out, and a note never closed runs to the 1 MiB limit of a field (or\n"
      "the end of the file) and is one row left out, \"row N (lines A–B): note: ...\". A header row\n"
      "naming an unknown or repeated column, or no date column, adds no one (exit status 2). Prints\n"
      "\"N people added\".");
  return import;
}

CLI::App* DefineCheck(CLI::App& command) {
  CLI::App* check = command.add_subcommand("check", "check the whole book for damage");
  check->footer(
      "Runs SQLite's full integrity check of the book and prints what it finds. Exit status 0 when\n"
      "the book is whole, which also takes away a mark of damage left by an earlier failure, so the\n"
      "book can be written again; 3 when it is damaged (the book is then marked, and nothing writes\n"
      "to it), or is no book.");
  return check;
}

CLI::App* DefineRank(CLI::App& command, PeopleOptions& options) {
  CLI::App* rank = command.add_subcommand("rank", "a person's best partners in the book by the astro match");
  AddPersonArgument(rank, options);
  rank->add_option("--top", options.top, "only the best K, from 1 to 999999999")
      ->type_name("K")
      ->check([](const std::string& text) -> std::string {
        const auto top = ReadDigits(text, TopDigits);
        if (top && *top >= 1) return {};
        return "must be a whole number from 1 to 999999999, not '" + VisibleText(text) + "'";
      });
  AddJsonFlag(rank, options);
  rank->footer(
      "The person takes the frame they usually take (male when not said), everyone else the other\n"
      "frame; partners are ranked by Percentage, then P * H, then name. Text: a heading, then one\n"
      "partner a line: rank, id, name, Percentage, P * H, Power, Harmony, Comment, tab-separated;\n"
      "then \"Not ranked:\" and the id and reason of each person the astro match cannot take (no\n"
      "birth time, a birth before 1901, an entry the astro form refuses). --json:\n"
      "{\"id\",\"name\",\"frame\",\"ranked\":[{\"id\",\"name\",\"power\",\"harmony\",\"ph\",\"percentage\",\n"
      "\"comment\"}],\"unranked\":[{\"id\",\"name\",\"reason\"}]}.");
  return rank;
}

// One action: its subcommand, and what running it does.
struct PeopleAction {
  CLI::App* action;
  std::function<int()> run;
};

}  // namespace

CommandAction DefinePeople(CLI::App& command, Streams io) {
  auto options = std::make_shared<PeopleOptions>();
  AddBookOption(command, options->book);
  command.fallthrough();  // --book may come after the action too
  command.require_subcommand(1);
  command.footer(PeopleFooter);
  PeopleOptions& o = *options;
  const auto onBook = [options, io](const char* name, auto act) {
    return [options, io, name, act] {
      return WithBook(*options, name, io, [&](book::Book& b) { return act(*options, b, io); });
    };
  };
  const auto onPerson = [options, io](const char* name, auto act) {
    return [options, io, name, act] {
      return WithPerson(*options, name, io,
                        [&](book::Book& b, const book::Person& p) { return act(*options, b, p, io); });
    };
  };

  // The actions in the order --help lists them.
  CLI::App* add = DefineAdd(command, o);
  CLI::App* list = command.add_subcommand("list", "everyone in the book, or those a search finds");
  list->add_option("--search", o.search, "only people whose names, place or note hold every word of TEXT")
      ->type_name("TEXT");
  AddJsonFlag(list, o);
  CLI::App* show = command.add_subcommand("show", "one person's columns");
  AddPersonArgument(show, o);
  AddJsonFlag(show, o);
  CLI::App* edit = command.add_subcommand("edit", "change the columns given of one person");
  AddPersonArgument(edit, o);
  AddColumnOptions(*edit, o.edit, true);
  CLI::App* rm = command.add_subcommand("rm", "remove a person");
  AddPersonArgument(rm, o);
  CLI::App* import = DefineImport(command, o);
  CLI::App* exported = command.add_subcommand("export", "every person as CSV, or JSON with --json");
  AddJsonFlag(exported, o);
  CLI::App* check = DefineCheck(command);
  CLI::App* rank = DefineRank(command, o);

  const std::vector<PeopleAction> actions = {
      {add, onBook("add", Add)},
      {list, onBook("list", List)},
      {show, onPerson("show", [](const PeopleOptions& os, book::Book&, const book::Person& p, Streams s) {
         return Show(p, os.json, s);
       })},
      {edit, onPerson("edit", [](const PeopleOptions& os, book::Book& b, const book::Person& p, Streams s) {
         return Edit(os, p.id, b, s);
       })},
      {rm, onPerson("rm", [](const PeopleOptions&, book::Book& b, const book::Person& p, Streams s) {
         // Removed by another program since it was found: the removal itself tells.
         if (b.Remove(p.id)) return ExitSuccess;
         s.err << Who("rm") << ": no person has the id " << p.id << "\n";
         return ExitRefused;
       })},
      {import, onBook("import", Import)},
      {exported, onBook("export", Export)},
      {check, [options, io] { return Check(*options, io); }},
      {rank, onPerson("rank", [](const PeopleOptions& os, book::Book& b, const book::Person& p, Streams s) {
         return Rank(os, p, b, s);
       })},
  };
  return [actions]() -> int {
    for (const PeopleAction& a : actions) {
      if (a.action->parsed()) return a.run();
    }
    return ExitUsage;  // require_subcommand(1) leaves no way here
  };
}

}  // namespace zentara::cli
