#include "book/book.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <system_error>
#include <utility>

#include "astro/match/astro_match.h"
#include "astro/match/birth_from_entries.h"
#include "astro/places/fold_text.h"
#include "book/person_entries.h"
#include "platform/system_files.h"
#include "common/file_bytes.h"

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
    // Version 2: ids are never given again (AUTOINCREMENT), each person counts
    // its changes (revision), and a change of the IANA zone drops the kept
    // chart too, since a person without a zone row is charted by the row their
    // zone gives. The tables are made anew and filled from the old ones; the
    // kept charts of people without a zone row were computed with the first
    // row and are left to be computed again.
    R"(
    CREATE TABLE person_2 (
      id INTEGER PRIMARY KEY AUTOINCREMENT,
      first TEXT NOT NULL, middle TEXT NOT NULL, last TEXT NOT NULL, name TEXT NOT NULL,
      frame TEXT NOT NULL CHECK (frame IN ('', 'male', 'female')),
      birth_date TEXT NOT NULL, birth_time TEXT NOT NULL,
      zone INTEGER CHECK (zone BETWEEN 0 AND 70), dst INTEGER NOT NULL CHECK (dst IN (0, 1)),
      latitude TEXT NOT NULL, longitude TEXT NOT NULL,
      city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,
      timezone TEXT NOT NULL, note TEXT NOT NULL,
      created TEXT NOT NULL, changed TEXT NOT NULL,
      sort_key TEXT NOT NULL, search TEXT NOT NULL,
      revision INTEGER NOT NULL DEFAULT 1);
    INSERT INTO person_2 (id, first, middle, last, name, frame, birth_date, birth_time, zone, dst, latitude,
        longitude, city, state, country, timezone, note, created, changed, sort_key, search)
      SELECT id, first, middle, last, name, frame, birth_date, birth_time, zone, dst, latitude,
        longitude, city, state, country, timezone, note, created, changed, sort_key, search FROM person;
    CREATE TABLE chart_2 (
      person INTEGER PRIMARY KEY REFERENCES person_2 (id) ON DELETE CASCADE,
      engines INTEGER NOT NULL, moon_degrees INTEGER, positions TEXT,
      CHECK ((moon_degrees IS NULL) = (positions IS NULL)));
    INSERT INTO chart_2 (person, engines, moon_degrees, positions)
      SELECT c.person, 2, c.moon_degrees, c.positions FROM chart c JOIN person p ON p.id = c.person
      WHERE c.engines = 1 AND p.zone IS NOT NULL;
    DROP TABLE chart;
    DROP TABLE person;
    ALTER TABLE person_2 RENAME TO person;
    ALTER TABLE chart_2 RENAME TO chart;
    CREATE INDEX person_order ON person (sort_key, id);
    CREATE INDEX chart_moon ON chart (person, engines, moon_degrees);
    CREATE TRIGGER chart_outdated AFTER UPDATE ON person
      WHEN old.name IS NOT new.name OR old.first IS NOT new.first OR old.last IS NOT new.last
        OR old.birth_date IS NOT new.birth_date OR old.birth_time IS NOT new.birth_time
        OR old.zone IS NOT new.zone OR old.dst IS NOT new.dst OR old.timezone IS NOT new.timezone
        OR old.latitude IS NOT new.latitude OR old.longitude IS NOT new.longitude
        OR old.city IS NOT new.city OR old.state IS NOT new.state OR old.country IS NOT new.country
      BEGIN DELETE FROM chart WHERE person = old.id; END;
    )",
};
static_assert(std::size(Migrations) == BookSchemaVersion, "one step for each version");

// Bumped whenever a kept chart would come out differently (the engines, or
// what a chart is computed from), so kept charts are computed again. Version 2:
// a person without a zone row is charted by the row their IANA zone gives, or
// not at all, where version 1 took the first row.
constexpr std::int64_t EnginesVersion = 2;

// A kept chart `c` that can be used: kept by these engines (bound to the one
// parameter), with a Moon that a chart can have, 0 to 29 degrees within its
// sign, or none. A chart with any other number (a damaged file, or another
// program's change) is computed again, as one not kept is.
const std::string ChartFits = "c.engines = ? AND (c.moon_degrees IS NULL OR c.moon_degrees BETWEEN 0 AND 29)";

// The columns ReadPerson reads; a book of version 1 has no revision column and
// reads as revision 1.
std::string PersonColumns(int schemaVersion) {
  return std::string("id, first, middle, last, name, frame, birth_date, birth_time, zone, dst, latitude, longitude, "
                     "city, state, country, timezone, note, created, changed, ") +
         (schemaVersion >= 2 ? "revision" : "1");
}

constexpr std::string_view SqliteHeader{"SQLite format 3\0", 16};
const std::string LeftAlone = "; it is left as it is";

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
  p.revision = row.Int(19);
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
  const TimeZoneTable& zones = LoadTimeZoneTable();
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

// Brings the book's tables up to this version in one transaction: all of the
// steps or none.
void Migrate(Database& db) {
  WriteTransaction transaction(db);
  // Another program may have brought the book up to date meanwhile.
  const std::int64_t version = db.Number("PRAGMA user_version");
  if (version < 0 || version > BookSchemaVersion) throw BookError("the book's version changed under the program");
  for (std::int64_t step = version; step < BookSchemaVersion; ++step) {
    db.Execute(Migrations[static_cast<std::size_t>(step)]);
  }
  db.Execute("PRAGMA application_id = " + std::to_string(BookApplicationId));
  db.Execute("PRAGMA user_version = " + std::to_string(BookSchemaVersion));
  transaction.Commit();
}

// Why what is at a path is neither a file nor nothing.
std::optional<std::string> WhyNotAFile(system::FileKind kind) {
  switch (kind) {
    case system::FileKind::Missing:
    case system::FileKind::Regular: return std::nullopt;
    case system::FileKind::Folder: return "it is a folder";
    case system::FileKind::Pipe: return "it is a named pipe, not a file";
    case system::FileKind::Device: return "it is a device, not a file";
    case system::FileKind::Socket: return "it is a socket, not a file";
    case system::FileKind::BrokenLink: return "it is a symbolic link to a file that does not exist";
    case system::FileKind::Unreadable: return "it cannot be reached";
  }
  return "it cannot be reached";
}

// Why what is at `path` cannot be a book, before SQLite opens it: anything
// but a regular file (a pipe would hang the program, a device be read for
// ever), an empty file (a book is never left empty: a new one is made whole
// before it takes its name) and a file that is no SQLite database.
std::optional<std::string> WhyNoBookFile(const fs::path& path) {
  const system::FileKind kind = system::KindOf(path);
  if (const auto why = WhyNotAFile(kind)) return why;
  if (kind == system::FileKind::Missing) return std::nullopt;
  const auto header = ReadFilePrefix(path.string(), SqliteHeader.size());
  if (!header) return "it cannot be read";
  if (header->empty()) return "it is an empty file; remove it, and a new book is made there";
  if (*header != SqliteHeader) return "it is no SQLite database";
  return std::nullopt;
}

// Why the book at `path` cannot be used for what is beside it. SQLite keeps
// its write-ahead log, its shared memory and its rollback journal beside the
// file (the file a symbolic link leads to) and takes whatever is at their
// paths for them: a folder, a pipe or a link to nowhere there fails only once
// a change has begun, after the book's header has been rewritten.
std::optional<std::string> WhyNoSideFiles(const fs::path& path) {
  std::error_code error;
  const fs::path real = fs::canonical(path, error);
  if (error) return std::nullopt;  // no file: none beside it is read
  constexpr std::pair<const char*, const char*> SideFiles[] = {
      {"-wal", "write-ahead log"}, {"-shm", "shared-memory file"}, {"-journal", "rollback journal"}};
  for (const auto& [suffix, what] : SideFiles) {
    const std::string side = real.string() + suffix;
    if (const auto why = WhyNotAFile(system::KindOf(side))) {
      return path.string() + " cannot be used while " + side + " (SQLite's " + what + " of the book) is there: " + *why;
    }
  }
  return std::nullopt;
}

// What SQLite's integrity check of the book, or its quicker check, finds
// wrong, one a line; nothing for a whole book.
std::vector<std::string> IntegrityFindings(Database& db, bool quick) {
  std::vector<std::string> findings;
  Statement check(db, quick ? "PRAGMA quick_check" : "PRAGMA integrity_check");
  while (check.Step()) {
    if (check.Text(0) != "ok") findings.emplace_back(check.Text(0));
  }
  return findings;
}

// Makes a new book at `path`: made whole under a temporary name beside it and
// then given its name only where nothing has taken it meanwhile, so a book is
// never seen half-made (not even after kill -9), and two programs making the
// book at once both end up using the one that took the name. True when this
// call made the book at the path.
bool CreateBook(const fs::path& path) {
  std::error_code status;
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  fs::create_directories(folder, status);
  int failure = 0;
  auto temporary = system::CreateTemporaryFile(folder.string(), path.filename().string(), failure);
  if (!temporary) throw BookError("cannot make the book: " + system::ErrorText(failure), BookFault::ReadOnly);
  system::WriteSyncAndClose(*temporary, "", system::DefaultNewFilePermissions());
  const auto removeTemporary = [&] {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) system::RemoveQuietly(temporary->path + suffix);
  };
  try {
    Database db(temporary->path, OpenMode::ReadWrite, BookBusyMilliseconds);
    db.Execute("PRAGMA foreign_keys = ON");
    Migrate(db);
    db.Execute("PRAGMA journal_mode = WAL");
  } catch (const BookError&) {
    removeTemporary();
    throw;
  }
  failure = system::LinkWhereFree(temporary->path, path.string());
  removeTemporary();
  if (failure != 0 && failure != EEXIST) throw BookError("cannot make the book: " + system::ErrorText(failure));
  return failure == 0;
}

// The connection for reading and, when the file and its folder allow, writing.
// A write-ahead log in a read-only folder cannot be shared with writers, so
// there the file is read as one nothing writes.
std::unique_ptr<Database> Connect(const fs::path& path, bool wantWrite) {
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  if (wantWrite && system::MayWrite(path) && system::MayWrite(folder)) {
    return std::make_unique<Database>(path, OpenMode::ReadWrite, BookBusyMilliseconds);
  }
  auto db = std::make_unique<Database>(path, OpenMode::ReadOnly, BookBusyMilliseconds);
  try {
    db->Number("PRAGMA user_version");
    return db;
  } catch (const BookError& failure) {
    if (failure.Fault() == BookFault::Damaged) throw;
  }
  return std::make_unique<Database>(path, OpenMode::Immutable, BookBusyMilliseconds);
}

}  // namespace

std::unique_ptr<Book> Book::Open(const fs::path& path, std::string& error) {
  const std::string where = path.string();
  if (path.empty()) {
    error = "no book was named: the path is empty";
    return nullptr;
  }
  if (const auto why = WhyNoBookFile(path)) {
    error = where + " is not a book of people: " + *why + LeftAlone;
    return nullptr;
  }
  if (const auto why = WhyNoSideFiles(path)) {
    error = *why + LeftAlone;
    return nullptr;
  }
  std::optional<BookIdentity> identity;
  try {
    const bool created = system::KindOf(path) == system::FileKind::Missing && CreateBook(path);
    identity = IdentityOf(path);
    if (!identity) {
      error = where + " is not a book of people: it is no longer a file" + LeftAlone;
      return nullptr;
    }
    // A new file may be given the number of a removed one that was marked.
    if (created) ClearDamageMark(*identity);
    const std::optional<std::string> damaged = DamageMark(*identity);
    auto db = Connect(path, !damaged);
    db->onDamage = [identity](const std::string& why) { MarkDamaged(*identity, why); };
    db->Execute("PRAGMA foreign_keys = ON");
    const std::int64_t application = db->Number("PRAGMA application_id");
    const std::int64_t version = db->Number("PRAGMA user_version");
    const std::int64_t objects = db->Number("SELECT count(*) FROM sqlite_master");
    if (application != BookApplicationId && !(application == 0 && version == 0 && objects == 0)) {
      error = where + " is not a book of people: it holds another program's database" + LeftAlone;
      return nullptr;
    }
    if (version > BookSchemaVersion) {
      error = where + " was written by a newer version of the program (book version " + std::to_string(version) +
              "; this one knows up to " + std::to_string(BookSchemaVersion) + ")" + LeftAlone;
      return nullptr;
    }
    if (version < 0) {
      error = where + " is not a book of people: its version number (" + std::to_string(version) +
              ") is none this program wrote, so it is damaged or another program's" + LeftAlone;
      return nullptr;
    }
    const bool writable = !damaged && !db->ReadOnly();
    if (version == 0 && !writable) {
      error = where + " holds no book yet and cannot be written" + LeftAlone;
      return nullptr;
    }
    // Nothing is written when the book is opened: an older version's tables
    // are brought up to date, and the write-ahead log switched on, when the
    // first change is made (Book::PrepareToWrite).
    if (writable) db->Execute("PRAGMA synchronous = NORMAL");  // with the log, a crash still loses no commit
    // An empty database holds nothing to keep: it is made a book at once, so
    // that there is something to read.
    if (version == 0) Migrate(*db);
    const int schema = version == 0 ? BookSchemaVersion : static_cast<int>(version);
    auto book = std::unique_ptr<Book>(new Book(path, std::move(db), *identity, schema));
    book->damaged_ = damaged;
    if (!writable && !damaged) {
      book->readOnly_ = where + " is read-only: it or its folder cannot be written, so nothing can be changed in it; "
                                "make both writable (chmod u+w), or copy the book elsewhere and use the copy";
    }
    return book;
  } catch (const BookError& failure) {
    if (failure.Fault() == BookFault::Damaged && identity) {
      error = DamagedBookAdvice(where, failure.what());
    } else {
      error = where + ": " + failure.what() + LeftAlone;
    }
    return nullptr;
  }
}

Book::Book(fs::path path, std::unique_ptr<Database> db, BookIdentity identity, int schemaVersion)
    : path_(std::move(path)),
      db_(std::move(db)),
      identity_(std::move(identity)),
      schemaVersion_(schemaVersion),
      personColumns_(PersonColumns(schemaVersion)),
      writeAheadLog_(db_->Text("PRAGMA journal_mode") == "wal") {
  // From now on the book's own damage mark is set through this book, which
  // then refuses writes at once.
  db_->onDamage = [this](const std::string& why) {
    MarkDamaged(identity_, why);
    if (!damaged_) damaged_ = why;
  };
  // The log files the connection has opened, known from its first reads.
  wal_ = SideFile("-wal");
  shm_ = SideFile("-shm");
}

std::optional<std::string> Book::WhyReadOnly() const {
  if (damaged_) return DamagedBookAdvice(path_.string(), *damaged_);
  return readOnly_;
}

std::optional<system::FileIdentity> Book::SideFile(const char* suffix) const {
  system::FileIdentity file;
  if (system::KindOf(path_.string() + suffix, &file) != system::FileKind::Regular) return std::nullopt;
  return file;
}

void Book::RefuseWrites() {
  if (!damaged_) damaged_ = DamageMark(identity_);  // another program may have marked it since
  if (const auto why = WhyReadOnly()) {
    throw BookError(*why, damaged_ ? BookFault::Damaged : BookFault::ReadOnly);
  }
}

void Book::PrepareToWrite() {
  RefuseWrites();
  if (db_->InTransaction()) return;  // inside a Batch, which prepared it
  if (!writeAheadLog_ || schemaVersion_ < BookSchemaVersion) {
    // The first change rewrites the header (its journal mode) and, for an
    // older version, every table: the whole book is checked first, so damage
    // that no read has met yet is found before anything is written.
    if (const std::vector<std::string> findings = IntegrityFindings(*db_, true); !findings.empty()) {
      MarkDamaged(identity_, findings.front());
      damaged_ = findings.front();
      RefuseWrites();
    }
  }
  if (!writeAheadLog_) {
    // Outside a transaction, as SQLite requires.
    db_->Execute("PRAGMA journal_mode = WAL");
    writeAheadLog_ = true;
  }
  if (schemaVersion_ < BookSchemaVersion) {
    Migrate(*db_);  // one transaction of its own: all the steps or none
    schemaVersion_ = BookSchemaVersion;
    personColumns_ = PersonColumns(schemaVersion_);
    get_.reset();  // it read the columns of the older version
  }
}

void Book::RefuseIfMoved() {
  const auto moved = [this](const char* what) {
    // The log this connection holds must not be folded into whatever file is
    // now at the path.
    db_->CloseWithoutCheckpoint();
    throw BookError(path_.string() + ": " + what +
                        " was removed or replaced by another program while this program had the book open; "
                        "nothing more is read from or written to the book as it was: open it again",
                    BookFault::Moved);
  };
  if (db_->FileHasMoved()) moved("the book's file");
  for (auto [kept, suffix] : {std::pair{&wal_, "-wal"}, std::pair{&shm_, "-shm"}}) {
    const auto now = SideFile(suffix);
    if (!*kept) {
      *kept = now;  // the connection opened it since
    } else if (now != *kept) {
      moved(suffix[1] == 'w' ? "the book's write-ahead log" : "the book's shared-memory file");
    }
  }
}

// A change to the book: both checks, then its write transaction.
class BookWrite {
 public:
  explicit BookWrite(Book& book) {
    book.PrepareToWrite();
    transaction_.emplace(*book.db_);
    book.RefuseIfMoved();
  }
  void Commit() { transaction_->Commit(); }

 private:
  std::optional<WriteTransaction> transaction_;
};

Book::Batch::Batch(Book& book) {
  book.PrepareToWrite();
  transaction_.emplace(*book.db_);
  book.RefuseIfMoved();
}

Statement& Book::Prepared(std::unique_ptr<Statement>& kept, std::string_view sql) {
  if (!kept) kept = std::make_unique<Statement>(*db_, sql);
  kept->Reset();
  return *kept;
}

std::optional<KeptChart> Book::KeepChart(std::int64_t id, const Person& person) {
  auto chart = ComputeChart(person);
  if (WhyReadOnly()) return chart;
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

std::int64_t Book::Add(Person person, ChartTiming chart) {
  RequireChecked(person);
  BookWrite write(*this);
  const std::string now = TimeStampNow();
  Statement& insert = Prepared(insert_,
                   "INSERT INTO person (first, middle, last, name, frame, birth_date, birth_time, zone, dst, latitude, "
                   "longitude, city, state, country, timezone, note, sort_key, search, created, changed) "
                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  const int at = BindPerson(insert, 1, person);
  insert.Bind(at, now).Bind(at + 1, now);
  insert.Step();
  const std::int64_t id = db_->LastInsertId();
  if (chart == ChartTiming::Now) KeepChart(id, person);
  write.Commit();
  return id;
}

namespace {

// Writes every column of `person` over the row with its id, counting one more
// revision; the rows changed (0 or 1). With `revision` the row must still be at it.
int WritePerson(Database& db, const Person& person, std::optional<std::int64_t> revision) {
  Statement update(db,
                   std::string("UPDATE person SET first = ?, middle = ?, last = ?, name = ?, frame = ?, birth_date = ?, "
                               "birth_time = ?, zone = ?, dst = ?, latitude = ?, longitude = ?, city = ?, state = ?, "
                               "country = ?, timezone = ?, note = ?, sort_key = ?, search = ?, changed = ?, "
                               "revision = revision + 1 WHERE id = ?") +
                       (revision ? " AND revision = ?" : ""));
  const int at = BindPerson(update, 1, person);
  update.Bind(at, TimeStampNow()).Bind(at + 1, person.id);
  if (revision) update.Bind(at + 2, *revision);
  update.Step();
  return db.Changes();
}

}  // namespace

Book::SaveOutcome Book::Update(const Person& person) {
  RequireChecked(person);
  BookWrite write(*this);
  if (WritePerson(*db_, person, person.revision) == 0) {
    Statement there(*db_, "SELECT 1 FROM person WHERE id = ?");
    return there.Bind(1, person.id).Step() ? SaveOutcome::ChangedElsewhere : SaveOutcome::Removed;
  }
  KeepChart(person.id, person);
  write.Commit();
  return SaveOutcome::Saved;
}

Book::EditOutcome Book::Edit(std::int64_t id, const std::function<std::optional<PersonProblem>(Person&)>& change) {
  BookWrite write(*this);
  EditOutcome outcome;
  std::optional<Person> person = Get(id);
  if (!person) return outcome;
  outcome.found = true;
  outcome.refused = change(*person);
  if (!outcome.refused) outcome.refused = CheckPerson(*person);
  if (outcome.refused) return outcome;
  WritePerson(*db_, *person, std::nullopt);
  KeepChart(id, *person);
  write.Commit();
  return outcome;
}

bool Book::Remove(std::int64_t id) {
  BookWrite write(*this);
  Statement(*db_, "DELETE FROM person WHERE id = ?").Bind(1, id).Step();
  const bool removed = db_->Changes() > 0;
  write.Commit();
  return removed;
}

std::vector<std::int64_t> Book::RemoveUnchanged(const std::vector<std::pair<std::int64_t, std::int64_t>>& people) {
  BookWrite write(*this);
  std::vector<std::int64_t> changed;
  Statement remove(*db_, "DELETE FROM person WHERE id = ? AND revision = ?");
  for (const auto& [id, revision] : people) {
    remove.Reset();
    remove.Bind(1, id).Bind(2, revision).Step();
    if (db_->Changes() == 0) changed.push_back(id);
  }
  if (changed.empty()) write.Commit();  // otherwise the transaction rolls back
  return changed;
}

std::optional<Person> Book::Get(std::int64_t id) {
  RefuseIfMoved();
  Statement& select = Prepared(get_, "SELECT " + personColumns_ + " FROM person WHERE id = ?");
  select.Bind(1, id);
  std::optional<Person> person;
  if (select.Step()) person = ReadPerson(select);
  select.Reset();  // its read lock let go
  return person;
}

std::int64_t Book::Count() {
  RefuseIfMoved();
  return db_->Number("SELECT count(*) FROM person");
}

std::vector<Person> Book::All() {
  std::vector<Person> people;
  ForEachPerson([&people](const Person& person) { people.push_back(person); });
  return people;
}

void Book::ForEachPerson(const std::function<void(const Person&)>& each) {
  RefuseIfMoved();
  Statement select(*db_, "SELECT " + personColumns_ + " FROM person ORDER BY sort_key, id");
  while (select.Step()) each(ReadPerson(select));
}

namespace {

// The columns of a PersonSummary, as ReadSummary reads them.
std::string SummaryColumns(int schemaVersion) {
  return std::string("id, name, first, last, birth_date, birth_time, city, state, country, search, ") +
         (schemaVersion >= 2 ? "revision" : "1");
}

PersonSummary ReadSummary(const Statement& row) {
  Person p;
  p.name = row.Text(1), p.first = row.Text(2), p.last = row.Text(3);
  p.date = row.Text(4), p.time = row.Text(5);
  p.city = row.Text(6), p.state = row.Text(7), p.country = row.Text(8);
  return {row.Int(0), DisplayName(p), BornText(p), PlaceText(p), std::string(row.Text(9)), row.Int(10)};
}

}  // namespace

std::vector<PersonSummary> Book::Summaries() {
  std::vector<PersonSummary> summaries;
  ForEachSummary([&summaries](const PersonSummary& summary) { summaries.push_back(summary); });
  return summaries;
}

void Book::ForEachSummary(const std::function<void(const PersonSummary&)>& each) {
  RefuseIfMoved();
  Statement select(*db_, "SELECT " + SummaryColumns(schemaVersion_) + " FROM person ORDER BY sort_key, id");
  while (select.Step()) each(ReadSummary(select));
}

std::optional<PersonSummary> Book::Summary(std::int64_t id) {
  RefuseIfMoved();
  Statement select(*db_, "SELECT " + SummaryColumns(schemaVersion_) + " FROM person WHERE id = ?");
  select.Bind(1, id);
  if (!select.Step()) return std::nullopt;
  return ReadSummary(select);
}

SearchTexts Book::AllSearchTexts() {
  RefuseIfMoved();
  SearchTexts all;
  Statement select(*db_, "SELECT id, search FROM person ORDER BY sort_key, id");
  while (select.Step()) {
    all.ids.push_back(select.Int(0));
    all.texts += select.Text(1);
    all.ends.push_back(static_cast<std::uint32_t>(all.texts.size()));
  }
  return all;
}

namespace {

// The people whose kept chart is missing or of other engines are computed and
// kept this many at a time, each batch one transaction.
constexpr int ChartsKeptAtOnce = 1000;

}  // namespace

std::vector<RankEntry> Book::RankEntries() {
  std::vector<RankEntry> entries;
  ForEachRankEntry([&entries](const RankEntry& entry, std::uint32_t) { entries.push_back(entry); });
  return entries;
}

void Book::ForEachRankEntry(const std::function<void(const RankEntry&, std::uint32_t)>& each) {
  RefuseIfMoved();
  // Charts not kept are computed and kept first, a batch at a time, so memory
  // does not grow with the book; a book that can only be read computes them
  // as it goes.
  if (!WhyReadOnly()) {
    // In id order from where the last batch ended, so each batch reads on
    // rather than from the start.
    for (std::int64_t after = 0;;) {
      std::vector<std::int64_t> outdated;
      {
        Statement select(*db_, "SELECT p.id FROM person p LEFT JOIN chart c INDEXED BY chart_moon ON c.person = p.id AND " +
                                   ChartFits + " WHERE c.person IS NULL AND p.id > ? ORDER BY p.id LIMIT ?");
        select.Bind(1, EnginesVersion).Bind(2, after).Bind(3, std::int64_t{ChartsKeptAtOnce});
        while (select.Step()) outdated.push_back(select.Int(0));
      }
      if (!outdated.empty()) after = outdated.back();
      if (outdated.empty()) break;
      BookWrite write(*this);
      for (const std::int64_t id : outdated) {
        if (const auto person = Get(id)) KeepChart(id, *person);
      }
      write.Commit();
      if (outdated.size() < static_cast<std::size_t>(ChartsKeptAtOnce)) break;
    }
  }
  // In list order through its index, which holds the ids; the Moons from the
  // charts' index, without reading the people's texts or the positions.
  ReadTransaction snapshot(*db_);
  Statement& select = Prepared(rankEntries_,
                               "SELECT p.id, c.person IS NOT NULL, c.moon_degrees FROM person p "
                               "LEFT JOIN chart c INDEXED BY chart_moon ON c.person = p.id AND " + ChartFits + " "
                               "ORDER BY p.sort_key, p.id");
  select.Bind(1, EnginesVersion);
  std::uint32_t listPlace = 0;
  while (select.Step()) {
    RankEntry entry;
    entry.id = select.Int(0);
    if (select.Int(1) == 0) {
      if (const auto person = Get(entry.id)) {
        if (const auto chart = ComputeChart(*person)) entry.moonDegrees = chart->moonDegrees;
      }
    } else if (!select.IsNull(2)) {
      entry.moonDegrees = static_cast<int>(select.Int(2));
    }
    each(entry, listPlace++);
  }
  select.Reset();
}

std::optional<RankEntry> Book::RankEntryOf(std::int64_t id) {
  RefuseIfMoved();
  const std::optional<Person> person = Get(id);
  if (!person) return std::nullopt;
  RankEntry entry{id, std::nullopt};
  Statement select(*db_, "SELECT c.moon_degrees FROM chart c WHERE c.person = ? AND " + ChartFits);
  if (select.Bind(1, id).Bind(2, EnginesVersion).Step()) {
    if (!select.IsNull(0)) entry.moonDegrees = static_cast<int>(select.Int(0));
    return entry;
  }
  std::optional<KeptChart> chart;
  if (WhyReadOnly()) {
    chart = ComputeChart(*person);
  } else {
    BookWrite write(*this);
    // Read again inside the change, so the chart kept is of the person as kept.
    if (const auto now = Get(id)) chart = KeepChart(id, *now);
    write.Commit();
  }
  if (chart) entry.moonDegrees = chart->moonDegrees;
  return entry;
}

std::vector<std::string> Book::DisplayNames(const std::vector<std::int64_t>& ids) {
  RefuseIfMoved();
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
  Statement select(*db_, "SELECT id, name, first, last FROM person ORDER BY id");
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
  RefuseIfMoved();
  const std::string wanted = CaseFolded(name);
  std::vector<std::int64_t> ids;
  Statement select(*db_, "SELECT id, name, first, last FROM person ORDER BY id");
  while (select.Step()) {
    const std::string firstAndLast = std::string(select.Text(2)) + " " + std::string(select.Text(3));
    if (CaseFolded(select.Text(1)) == wanted || CaseFolded(firstAndLast) == wanted) ids.push_back(select.Int(0));
  }
  return ids;
}

std::optional<KeptChart> Book::ChartOf(std::int64_t id) {
  RefuseIfMoved();
  Statement select(*db_,
                   "SELECT c.positions, c.moon_degrees FROM chart c WHERE c.person = ? AND " + ChartFits +
                       " AND c.positions IS NOT NULL");
  select.Bind(1, id).Bind(2, EnginesVersion);
  if (!select.Step()) return std::nullopt;
  return KeptChart{std::string(select.Text(0)), static_cast<int>(select.Int(1))};
}

BookCheck CheckBook(const fs::path& path, bool quick) {
  BookCheck check;
  if (const auto why = WhyNoBookFile(path)) {
    check.findings.push_back(path.string() + " is not a book of people: " + *why);
    return check;
  }
  if (system::KindOf(path) == system::FileKind::Missing) {
    check.findings.push_back(path.string() + " does not exist");
    return check;
  }
  if (const auto why = WhyNoSideFiles(path)) {
    check.findings.push_back(*why);
    return check;
  }
  const std::optional<BookIdentity> identity = IdentityOf(path);
  try {
    const auto db = Connect(path, false);
    check.findings = IntegrityFindings(*db, quick);
    if (check.findings.empty() && db->Number("PRAGMA application_id") != BookApplicationId) {
      // Whole, but no book: nothing to mark.
      check.findings.push_back(path.string() + " is not a book of people: it holds another program's database");
      return check;
    }
  } catch (const BookError& failure) {
    check.findings.emplace_back(failure.what());
  }
  check.whole = check.findings.empty();
  if (identity) {
    if (!check.whole) MarkDamaged(*identity, check.findings.front());
    if (check.whole && !quick) ClearDamageMark(*identity);
  }
  return check;
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
