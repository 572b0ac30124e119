#include "book/book.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <system_error>

#include "astro/match/astro_match.h"
#include "astro/match/birth_from_entries.h"
#include "astro/places/fold_text.h"
#include "book/person_entries.h"

namespace zentara::book {

namespace fs = std::filesystem;

namespace {

// The steps that bring a book's tables from one version to the next; step i
// makes version i + 1. A new version adds a step and never changes an old one.
constexpr std::string_view Migrations[] = {
    R"(
    CREATE TABLE person (
      id INTEGER PRIMARY KEY,
      first TEXT NOT NULL, middle TEXT NOT NULL, last TEXT NOT NULL, name TEXT NOT NULL,
      frame TEXT NOT NULL CHECK (frame IN ('', 'male', 'female')),
      birth_date TEXT NOT NULL, birth_time TEXT NOT NULL,
      zone INTEGER CHECK (zone BETWEEN 0 AND 70), dst INTEGER NOT NULL CHECK (dst IN (0, 1)),
      latitude TEXT NOT NULL, longitude TEXT NOT NULL,
      city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,
      timezone TEXT NOT NULL, note TEXT NOT NULL,
      created TEXT NOT NULL, changed TEXT NOT NULL,
      sort_key TEXT NOT NULL, search TEXT NOT NULL);
    CREATE INDEX person_order ON person (sort_key, id);
    -- Each person's chart as the engines of version `engines` computed it, or,
    -- with no Moon and no positions, that the astro match cannot take them.
    CREATE TABLE chart (
      person INTEGER PRIMARY KEY REFERENCES person (id) ON DELETE CASCADE,
      engines INTEGER NOT NULL, moon_degrees INTEGER, positions TEXT,
      CHECK ((moon_degrees IS NULL) = (positions IS NULL)));
    -- What ranking reads of every chart, without the positions.
    CREATE INDEX chart_moon ON chart (person, engines, moon_degrees);
    -- A change to anything a chart is computed from drops the kept chart,
    -- whichever program makes it; the chart is computed again when next wanted.
    CREATE TRIGGER chart_outdated AFTER UPDATE ON person
      WHEN old.name IS NOT new.name OR old.first IS NOT new.first OR old.last IS NOT new.last
        OR old.birth_date IS NOT new.birth_date OR old.birth_time IS NOT new.birth_time
        OR old.zone IS NOT new.zone OR old.dst IS NOT new.dst
        OR old.latitude IS NOT new.latitude OR old.longitude IS NOT new.longitude
        OR old.city IS NOT new.city OR old.state IS NOT new.state OR old.country IS NOT new.country
      BEGIN DELETE FROM chart WHERE person = old.id; END;
    )",
};
static_assert(std::size(Migrations) == BookSchemaVersion, "one step for each version");

// Bumped whenever the engines' results change, so kept charts are computed again.
constexpr std::int64_t EnginesVersion = 1;

constexpr std::string_view PersonColumns =
    "id, first, middle, last, name, frame, birth_date, birth_time, zone, dst, latitude, longitude, "
    "city, state, country, timezone, note, created, changed";

constexpr std::string_view SqliteHeader{"SQLite format 3\0", 16};

Frame FrameOf(std::string_view text) {
  return text == "male" ? Frame::Male : text == "female" ? Frame::Female : Frame::NotSaid;
}

Person ReadPerson(const Statement& row) {
  Person p;
  p.id = row.Int(0);
  p.first = row.Text(1), p.middle = row.Text(2), p.last = row.Text(3), p.name = row.Text(4);
  p.frame = FrameOf(row.Text(5));
  p.date = row.Text(6), p.time = row.Text(7);
  if (!row.IsNull(8)) p.zone = static_cast<int>(row.Int(8));
  p.dst = row.Int(9) != 0;
  p.latitude = row.Text(10), p.longitude = row.Text(11);
  p.city = row.Text(12), p.state = row.Text(13), p.country = row.Text(14);
  p.timezone = row.Text(15), p.note = row.Text(16);
  p.created = row.Text(17), p.changed = row.Text(18);
  return p;
}

std::string SearchText(const Person& p) {
  std::string all;
  for (const std::string* part : {&p.name, &p.first, &p.middle, &p.last, &p.city, &p.state, &p.country, &p.note}) {
    all += *part;
    all += ' ';
  }
  return places::FoldForSearch(all);
}

// Binds the person's columns from `first` on, in the order of PersonColumns
// after the id and before the time stamps, then the sort key and search text.
int BindPerson(Statement& s, int at, const Person& p) {
  for (const std::string* text : {&p.first, &p.middle, &p.last, &p.name}) s.Bind(at++, *text);
  s.Bind(at++, FrameText(p.frame));
  s.Bind(at++, p.date);
  s.Bind(at++, p.time);
  if (p.zone) s.Bind(at++, std::int64_t{*p.zone}); else s.BindNull(at++);
  s.Bind(at++, std::int64_t{p.dst ? 1 : 0});
  for (const std::string* text : {&p.latitude, &p.longitude, &p.city, &p.state, &p.country, &p.timezone, &p.note}) {
    s.Bind(at++, *text);
  }
  s.Bind(at++, places::FoldForSearch(DisplayName(p)));
  s.Bind(at++, SearchText(p));
  return at;
}

void RequireChecked(const Person& person) {
  if (const auto problem = CheckPerson(person)) {
    throw BookError(std::string(ColumnName(problem->column)) + ": " + problem->message);
  }
}

std::string CaseFolded(std::string_view text) {
  // ICU's case folding lowers ASCII capitals and changes no other ASCII
  // character, so ASCII text (most names) is folded here without it.
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    std::string folded(text);
    for (char& c : folded) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
  }
  icu::UnicodeString unicode =
      icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
  std::string folded;
  unicode.foldCase().toUTF8String(folded);
  return folded;
}

// The chart of a person the astro match can take, as a match computes it;
// nothing for anyone else.
std::optional<KeptChart> ComputeChart(const Person& person) {
  if (WhyNoAstroMatch(person)) return std::nullopt;
  const AstroPartnerEntries side = AstroSide(person);
  if (CheckAstroEntries(AstroEntries{side, side})) return std::nullopt;
  static const TimeZoneTable zones = LoadTimeZoneTable();
  const auto birth = BirthMomentFromEntries(side, zones);
  if (!birth) return std::nullopt;
  const ChartPositions& chart = CalculatePartnerChart(*birth, true);
  KeptChart kept;
  for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
    if (slot > 0) kept.positions += '|';
    kept.positions += chart[slot];
  }
  kept.moonDegrees = SlotDegrees(chart[MoonSlot]);
  return kept;
}

void Migrate(Database& db) {
  WriteTransaction transaction(db);
  // Another program may have brought the book up to date meanwhile.
  const std::int64_t version = db.Number("PRAGMA user_version");
  for (std::int64_t step = version; step < BookSchemaVersion; ++step) db.Execute(Migrations[step]);
  db.Execute("PRAGMA application_id = " + std::to_string(BookApplicationId));
  db.Execute("PRAGMA user_version = " + std::to_string(BookSchemaVersion));
  transaction.Commit();
}

// Why the file at `path` is no SQLite database, or nothing when it may be one
// (an empty file is an empty database).
std::optional<std::string> NotADatabase(const fs::path& path) {
  if (fs::is_directory(path)) return "it is a folder";
  std::ifstream file(path, std::ios::binary);
  if (!file) return "it cannot be read";
  char header[16] = {};
  file.read(header, sizeof header);
  if (file.gcount() == 0) return std::nullopt;
  if (file.gcount() < 16 || std::string_view(header, 16) != SqliteHeader) return "it is no SQLite database";
  return std::nullopt;
}

}  // namespace

std::unique_ptr<Book> Book::Open(const fs::path& path, std::string& error) {
  const std::string where = path.string();
  const std::string leftAlone = "; it is left as it is";
  std::error_code status;
  const bool exists = fs::exists(path, status);
  if (exists) {
    if (const auto why = NotADatabase(path)) {
      error = where + " is not a book of people: " + *why + leftAlone;
      return nullptr;
    }
  } else if (path.has_parent_path()) {
    fs::create_directories(path.parent_path(), status);
  }
  try {
    auto db = std::make_unique<Database>(path, !exists, BookBusyMilliseconds);
    db->Execute("PRAGMA foreign_keys = ON");
    const std::int64_t application = db->Number("PRAGMA application_id");
    const std::int64_t version = db->Number("PRAGMA user_version");
    const std::int64_t objects = db->Number("SELECT count(*) FROM sqlite_master");
    if (application != BookApplicationId && !(application == 0 && version == 0 && objects == 0)) {
      error = where + " is not a book of people: it holds another program's database" + leftAlone;
      return nullptr;
    }
    if (version > BookSchemaVersion) {
      error = where + " was written by a newer version of the program (book version " + std::to_string(version) +
              "; this one knows up to " + std::to_string(BookSchemaVersion) + ")" + leftAlone;
      return nullptr;
    }
    if (version < BookSchemaVersion) Migrate(*db);
    db->Execute("PRAGMA journal_mode = WAL");
    db->Execute("PRAGMA synchronous = NORMAL");  // with the log, a crash still loses no commit
    return std::unique_ptr<Book>(new Book(path, std::move(db)));
  } catch (const BookError& failure) {
    error = where + ": " + failure.what() + leftAlone;
    return nullptr;
  }
}

Statement& Book::Prepared(std::unique_ptr<Statement>& kept, std::string_view sql) {
  if (!kept) kept = std::make_unique<Statement>(db_->Handle(), sql);
  kept->Reset();
  return *kept;
}

std::optional<KeptChart> Book::KeepChart(std::int64_t id, const Person& person) {
  auto chart = ComputeChart(person);
  Statement& keep = Prepared(keepChart_,
                             "INSERT OR REPLACE INTO chart (person, engines, moon_degrees, positions) VALUES (?, ?, ?, ?)");
  keep.Bind(1, id).Bind(2, EnginesVersion);
  if (chart) {
    keep.Bind(3, std::int64_t{chart->moonDegrees}).Bind(4, chart->positions);
  } else {
    keep.BindNull(3).BindNull(4);
  }
  keep.Step();
  return chart;
}

std::int64_t Book::Add(Person person) {
  RequireChecked(person);
  WriteTransaction transaction(*db_);
  const std::string now = TimeStampNow();
  Statement& insert = Prepared(insert_,
                   "INSERT INTO person (first, middle, last, name, frame, birth_date, birth_time, zone, dst, latitude, "
                   "longitude, city, state, country, timezone, note, sort_key, search, created, changed) "
                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  const int at = BindPerson(insert, 1, person);
  insert.Bind(at, now).Bind(at + 1, now);
  insert.Step();
  const std::int64_t id = db_->LastInsertId();
  KeepChart(id, person);
  transaction.Commit();
  return id;
}

bool Book::Update(const Person& person) {
  RequireChecked(person);
  WriteTransaction transaction(*db_);
  Statement update(db_->Handle(),
                   "UPDATE person SET first = ?, middle = ?, last = ?, name = ?, frame = ?, birth_date = ?, "
                   "birth_time = ?, zone = ?, dst = ?, latitude = ?, longitude = ?, city = ?, state = ?, country = ?, "
                   "timezone = ?, note = ?, sort_key = ?, search = ?, changed = ? WHERE id = ?");
  const int at = BindPerson(update, 1, person);
  update.Bind(at, TimeStampNow()).Bind(at + 1, person.id);
  update.Step();
  if (db_->Changes() == 0) return false;
  KeepChart(person.id, person);
  transaction.Commit();
  return true;
}

bool Book::Remove(std::int64_t id) {
  WriteTransaction transaction(*db_);
  Statement(db_->Handle(), "DELETE FROM person WHERE id = ?").Bind(1, id).Step();
  const bool removed = db_->Changes() > 0;
  transaction.Commit();
  return removed;
}

std::optional<Person> Book::Get(std::int64_t id) {
  Statement select(db_->Handle(), "SELECT " + std::string(PersonColumns) + " FROM person WHERE id = ?");
  select.Bind(1, id);
  if (!select.Step()) return std::nullopt;
  return ReadPerson(select);
}

std::int64_t Book::Count() { return db_->Number("SELECT count(*) FROM person"); }

std::vector<Person> Book::All() {
  Statement select(db_->Handle(), "SELECT " + std::string(PersonColumns) + " FROM person ORDER BY sort_key, id");
  std::vector<Person> people;
  while (select.Step()) people.push_back(ReadPerson(select));
  return people;
}

namespace {

// The columns of a PersonSummary after the id, as ReadSummary reads them.
constexpr std::string_view SummaryColumns = "name, first, last, birth_date, birth_time, city, state, country, search";

PersonSummary ReadSummary(const Statement& row) {
  Person p;
  p.name = row.Text(1), p.first = row.Text(2), p.last = row.Text(3);
  p.date = row.Text(4), p.time = row.Text(5);
  p.city = row.Text(6), p.state = row.Text(7), p.country = row.Text(8);
  return {row.Int(0), DisplayName(p), BornText(p), PlaceText(p), std::string(row.Text(9))};
}

}  // namespace

std::vector<PersonSummary> Book::Summaries() {
  Statement select(db_->Handle(), "SELECT id, " + std::string(SummaryColumns) + " FROM person ORDER BY sort_key, id");
  std::vector<PersonSummary> summaries;
  while (select.Step()) summaries.push_back(ReadSummary(select));
  return summaries;
}

std::optional<PersonSummary> Book::Summary(std::int64_t id) {
  Statement select(db_->Handle(), "SELECT id, " + std::string(SummaryColumns) + " FROM person WHERE id = ?");
  select.Bind(1, id);
  if (!select.Step()) return std::nullopt;
  return ReadSummary(select);
}

SearchTexts Book::AllSearchTexts() {
  SearchTexts all;
  Statement select(db_->Handle(), "SELECT id, search FROM person ORDER BY sort_key, id");
  while (select.Step()) {
    all.ids.push_back(select.Int(0));
    all.texts += select.Text(1);
    all.ends.push_back(static_cast<std::uint32_t>(all.texts.size()));
  }
  return all;
}

std::vector<RankEntry> Book::RankEntries() {
  std::vector<RankEntry> entries;
  std::vector<std::size_t> outdated;
  // In list order through its index, which holds the ids; the Moons from the
  // charts' index, without reading the people's texts or the positions.
  Statement& select = Prepared(rankEntries_,
                               "SELECT p.id, c.person IS NOT NULL, c.moon_degrees FROM person p "
                               "LEFT JOIN chart c INDEXED BY chart_moon ON c.person = p.id AND c.engines = ? "
                               "ORDER BY p.sort_key, p.id");
  select.Bind(1, EnginesVersion);
  while (select.Step()) {
    RankEntry& entry = entries.emplace_back();
    entry.id = select.Int(0);
    if (select.Int(1) == 0) {
      outdated.push_back(entries.size() - 1);
    } else if (!select.IsNull(2)) {
      entry.moonDegrees = static_cast<int>(select.Int(2));
    }
  }
  if (!outdated.empty()) {
    WriteTransaction transaction(*db_);
    for (const std::size_t at : outdated) {
      if (const auto person = Get(entries[at].id)) {
        if (const auto chart = KeepChart(person->id, *person)) entries[at].moonDegrees = chart->moonDegrees;
      }
    }
    transaction.Commit();
  }
  return entries;
}

std::vector<std::string> Book::DisplayNames(const std::vector<std::int64_t>& ids) {
  std::vector<std::string> names(ids.size());  // empty for no one
  const auto put = [&names](std::size_t at, const Statement& row) {
    Person person;
    person.name = row.Text(1), person.first = row.Text(2), person.last = row.Text(3);
    names[at] = DisplayName(person);
  };
  ReadTransaction snapshot(*db_);  // one read lock, one moment of the book
  if (ids.size() <= NamesLookedUpOneByOne) {
    Statement& select = Prepared(displayName_, "SELECT id, name, first, last FROM person WHERE id = ?");
    for (std::size_t at = 0; at < ids.size(); ++at) {
      select.Reset();
      if (select.Bind(1, ids[at]).Step()) put(at, select);
    }
    select.Reset();
    return names;
  }
  // One pass over the table in id order, against the ids sorted.
  std::vector<std::size_t> byId(ids.size());
  std::iota(byId.begin(), byId.end(), std::size_t{0});
  std::sort(byId.begin(), byId.end(), [&ids](std::size_t a, std::size_t b) { return ids[a] < ids[b]; });
  Statement select(db_->Handle(), "SELECT id, name, first, last FROM person ORDER BY id");
  auto next = byId.begin();
  while (next != byId.end() && select.Step()) {
    const std::int64_t id = select.Int(0);
    for (; next != byId.end() && ids[*next] <= id; ++next) {
      if (ids[*next] == id) put(*next, select);
    }
  }
  return names;
}

std::vector<std::int64_t> Book::FindByName(std::string_view name) {
  const std::string wanted = CaseFolded(name);
  std::vector<std::int64_t> ids;
  Statement select(db_->Handle(), "SELECT id, name, first, last FROM person ORDER BY id");
  while (select.Step()) {
    const std::string firstAndLast = std::string(select.Text(2)) + " " + std::string(select.Text(3));
    if (CaseFolded(select.Text(1)) == wanted || CaseFolded(firstAndLast) == wanted) ids.push_back(select.Int(0));
  }
  return ids;
}

std::optional<KeptChart> Book::ChartOf(std::int64_t id) {
  Statement select(db_->Handle(),
                   "SELECT positions, moon_degrees FROM chart WHERE person = ? AND engines = ? AND positions IS NOT NULL");
  select.Bind(1, id).Bind(2, EnginesVersion);
  if (!select.Step()) return std::nullopt;
  return KeptChart{std::string(select.Text(0)), static_cast<int>(select.Int(1))};
}

fs::path DefaultBookPath() {
  if (const char* book = std::getenv(BookFileVariable); book != nullptr && *book != '\0') return book;
  fs::path data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && fs::path(xdg).is_absolute()) {
    data = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    data = fs::path(home) / ".local" / "share";
  } else {
    data = fs::current_path();
  }
  return data / "zentara" / "people.sqlite";
}

}  // namespace zentara::book
