// The book's file: its version written, read and migrated; odd, damaged and
// read-only files refused or read and left as they were; a book whose files
// were removed under a program; the check; two writers at once.
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <thread>

#include "book/book.h"
#include "book_test_support.h"

namespace {

using zentara::book::Book;
using namespace book_testing;

class BookFile : public BookFolder {
 protected:
  static long long Pragma(const std::filesystem::path& path, const char* pragma) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, (std::string("PRAGMA ") + pragma).c_str(), -1, &statement, nullptr);
    const long long value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
  }
};

TEST_F(BookFile, ANewBookIsCreatedWithItsVersionAndOpensAgain) {
  const auto path = Path("folder/made/for/it/people.sqlite");
  std::string error;
  {
    auto book = Book::Open(path, error);
    ASSERT_TRUE(book) << error;
    book->Add(PersonOf({"Ann Lee", "1980-05-17"}));
  }
  EXPECT_EQ(Pragma(path, "user_version"), zentara::book::BookSchemaVersion);
  EXPECT_EQ(Pragma(path, "application_id"), zentara::book::BookApplicationId);
  auto again = Book::Open(path, error);
  ASSERT_TRUE(again) << error;
  EXPECT_EQ(again->Count(), 1);
}

// A book of many people in one file (no log beside it).
void ManyPeopleBook(const std::filesystem::path& path) {
  std::string error;
  auto book = Book::Open(path, error);
  ASSERT_TRUE(book) << error;
  Book::Batch batch(*book);
  for (int i = 0; i < 400; ++i) {
    book->Add(PersonOf({"", "1980-05-17", "", "", "", "", "", "", "", "", "Ann", "", ("Lee" + std::to_string(i)).c_str(),
                        "", "", std::string(300, 'n').c_str()}));
  }
  batch.Commit();
  book.reset();
  WithSqlite(path, "PRAGMA journal_mode = DELETE");
}

// Each odd file at the book's path is refused, whether at Open or at the first
// read that meets the damage, and nothing is written to it afterwards.
TEST_F(BookFile, OddAndDamagedFilesAreRefusedAndLeftAsTheyWere) {
  const auto fullBook = ManyPeopleBook;
  // The file's bytes with `at` XORed with 0xFF ("flipped").
  const auto flip = [](const std::filesystem::path& path, std::size_t at) {
    std::string bytes = FileBytes(path);
    bytes[at] = static_cast<char>(bytes[at] ^ 0xFF);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  };
  const auto userVersion = [&](std::int32_t version) {
    return [&, version](const std::filesystem::path& path) {
      fullBook(path);
      std::string bytes = FileBytes(path);
      for (int i = 0; i < 4; ++i) bytes[60 + i] = static_cast<char>((static_cast<std::uint32_t>(version) >> (24 - 8 * i)) & 0xFF);
      std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    };
  };
  struct Case {
    const char* what;
    std::function<void(const std::filesystem::path&)> make;
    const char* message;  // what the refusal says, at Open or at the first read
  };
  const Case cases[] = {
      {"a named pipe", [](const auto& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }, "it is a named pipe"},
      {"a folder", [](const auto& path) { std::filesystem::create_directory(path); }, "it is a folder"},
      {"zero bytes", [](const auto& path) { std::ofstream{path}; }, "it is an empty file"},
      {"text", [](const auto& path) { std::ofstream(path) << "first,last\nAnn,Lee\n"; }, "it is no SQLite database"},
      {"truncated",
       [&](const auto& path) {
         fullBook(path);
         std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
       },
       "malformed"},
      {"user_version -1", userVersion(-1), "its version number (-1) is none this program wrote"},
      {"user_version -16777215", userVersion(-16777215), "its version number (-16777215)"},
      {"a newer version", userVersion(99), "book version 99; this one knows up to 2"},
      {"a flipped byte mid-file",
       [&](const auto& path) {
         fullBook(path);
         // The page-type byte of the middle page of the people's table.
         sqlite3* db = nullptr;
         sqlite3_open(path.c_str(), &db);
         sqlite3_stmt* pages = nullptr;
         sqlite3_prepare_v2(db, "SELECT pageno FROM dbstat WHERE name = 'person' AND pagetype = 'leaf' ORDER BY pageno",
                            -1, &pages, nullptr);
         std::vector<long long> leaves;
         while (sqlite3_step(pages) == SQLITE_ROW) leaves.push_back(sqlite3_column_int64(pages, 0));
         sqlite3_finalize(pages);
         sqlite3_close(db);
         ASSERT_GT(leaves.size(), 4u);
         flip(path, static_cast<std::size_t>(leaves[leaves.size() / 2] - 1) * 4096);
       },
       "malformed"},
      {"another program's database", [](const auto& path) { WithSqlite(path, "CREATE TABLE accounts (id INTEGER)"); },
       "it holds another program's database"},
      // What SQLite would take for the book's log files (it switches a book to
      // its write-ahead log before it opens them).
      {"a folder at its log",
       [&](const auto& path) {
         fullBook(path);
         std::filesystem::create_directory(path.string() + "-wal");
       },
       "-wal (SQLite's write-ahead log of the book) is there: it is a folder"},
      {"a pipe at its shared memory",
       [&](const auto& path) {
         fullBook(path);
         ASSERT_EQ(mkfifo((path.string() + "-shm").c_str(), 0600), 0);
       },
       "-shm (SQLite's shared-memory file of the book) is there: it is a named pipe"},
  };
  for (const Case& c : cases) {
    const auto path = Path(c.what);
    c.make(path);
    const bool pipe = std::filesystem::is_fifo(path), folder = std::filesystem::is_directory(path);
    const std::string before = pipe || folder ? "" : FileBytes(path);
    std::string error;
    if (auto book = Book::Open(path, error)) {
      // Damage that Open does not meet is met by the first read of it, and
      // from then on the book refuses every change.
      try {
        book->All();
        ADD_FAILURE() << c.what << ": read whole";
      } catch (const zentara::book::BookError& failure) {
        error = failure.what();
      }
      EXPECT_THROW(book->Add(PersonOf({"Cy", "1990-01-01"})), zentara::book::BookError) << c.what;
      std::string again;
      EXPECT_TRUE(Book::Open(path, again) && again.empty()) << c.what << ": " << again;
      EXPECT_TRUE(Book::Open(path, again)->WhyReadOnly()) << c.what << ": opened again, it is still refused changes";
    }
    EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
    if (!pipe && !folder) {
      EXPECT_EQ(FileBytes(path), before) << c.what << ": the file was changed";
    }
  }
}

// A book not yet in write-ahead-log mode (or of an older version) is checked
// whole before its first change rewrites its header: damage that reading
// does not meet is found then, and the book is left as it was.
TEST_F(BookFile, DamageOnlyAChangeWouldMeetLeavesTheBookAsItWas) {
  ManyPeopleBook(Path());
  std::string bytes = FileBytes(Path());
  bytes[20] = static_cast<char>(0xFF);  // the space each page keeps back: its cells no longer fit
  std::ofstream(Path(), std::ios::binary | std::ios::trunc) << bytes;
  std::string error;
  auto book = Book::Open(Path(), error);
  ASSERT_TRUE(book) << error;
  EXPECT_EQ(book->All().size(), 400u) << "reading does not meet it";
  try {
    book->Add(PersonOf({"Cy", "1990-01-01"}));
    ADD_FAILURE() << "a person was added";
  } catch (const zentara::book::BookError& failure) {
    EXPECT_EQ(failure.Fault(), zentara::book::BookFault::Damaged) << failure.what();
  }
  EXPECT_TRUE(FileBytes(Path()) == bytes) << "the refused change wrote to the book";
  EXPECT_TRUE(Book::Open(Path(), error)->WhyReadOnly()) << "it is marked damaged";
}

// The first version's tables, as that version made them, with one person.
void FirstVersionBook(const std::filesystem::path& path) {
  WithSqlite(path,
             "CREATE TABLE person (id INTEGER PRIMARY KEY, first TEXT NOT NULL, middle TEXT NOT NULL, last TEXT NOT "
             "NULL, name TEXT NOT NULL, frame TEXT NOT NULL, birth_date TEXT NOT NULL, birth_time TEXT NOT NULL, zone "
             "INTEGER, dst INTEGER NOT NULL, latitude TEXT NOT NULL, longitude TEXT NOT NULL, city TEXT NOT NULL, "
             "state TEXT NOT NULL, country TEXT NOT NULL, timezone TEXT NOT NULL, note TEXT NOT NULL, created TEXT "
             "NOT NULL, changed TEXT NOT NULL, sort_key TEXT NOT NULL, search TEXT NOT NULL);"
             "CREATE INDEX person_order ON person (sort_key, id);"
             "CREATE TABLE chart (person INTEGER PRIMARY KEY REFERENCES person (id) ON DELETE CASCADE, engines "
             "INTEGER NOT NULL, moon_degrees INTEGER, positions TEXT);"
             "CREATE INDEX chart_moon ON chart (person, engines, moon_degrees);"
             "INSERT INTO person VALUES (7, 'Ann', '', 'Lee', '', '', '1980-05-17', '', NULL, 0, '', '', '', '', '', "
             "'', 'a note', 't', 't', 'ann lee', 'ann lee');"
             "PRAGMA application_id = 1515209291; PRAGMA user_version = 1;");
}

// Runs `check` as a user who may not write the book: in a child process that
// gives up root (who may write anything), or as this user with the book's
// folder and file made read-only. Its failures are printed; true when none.
bool AsReaderOnly(const std::filesystem::path& folder, const std::function<std::string()>& check) {
  namespace fs = std::filesystem;
  fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  if (geteuid() != 0) {
    for (const auto& entry : fs::directory_iterator(folder)) fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::remove);
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    const std::string failure = check();
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    if (!failure.empty()) ADD_FAILURE() << failure;
    return failure.empty();
  }
  const pid_t child = fork();
  if (child == 0) {
    constexpr uid_t Nobody = 65534;
    if (setgid(Nobody) != 0 || setuid(Nobody) != 0) _exit(2);
    const std::string failure = check();
    if (!failure.empty()) std::fprintf(stderr, "%s\n", failure.c_str());
    _exit(failure.empty() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the reader's check failed (see above)";
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A book of the first version is brought up to this one in its first write
// transaction, keeping its people and ids; ids are never given twice after it.
TEST_F(BookFile, AFirstVersionBookIsMigrated) {
  const auto path = Path();
  FirstVersionBook(path);
  std::string error;
  auto book = Book::Open(path, error);
  ASSERT_TRUE(book) << error;
  EXPECT_EQ(book->Get(7)->note, "a note");
  EXPECT_EQ(Pragma(path, "user_version"), 1) << "opening and reading write nothing";
  const std::int64_t next = book->Add(PersonOf({"Bo", "1981-01-01"}));
  EXPECT_EQ(Pragma(path, "user_version"), zentara::book::BookSchemaVersion);
  EXPECT_EQ(book->Get(7)->note, "a note");
  EXPECT_EQ(next, 8);
  ASSERT_TRUE(book->Remove(next));
  EXPECT_EQ(book->Add(PersonOf({"Cy", "1982-01-01"})), 9) << "an id is never given twice";
}

// A book that cannot be written, of either version and in either journal
// mode (a write-ahead log in a read-only folder is read as an unchanging
// file), is read and refuses changes, its bytes kept.
TEST_F(BookFile, AReadOnlyBookIsReadAndLeftAsItIs) {
  FirstVersionBook(Path("first.sqlite"));
  {
    std::string error;
    auto book = Book::Open(Path("second.sqlite"), error);
    ASSERT_TRUE(book) << error;
    book->Add(PersonOf({"", "1980-05-17", "", "", "", "", "", "", "", "", "Ann", "", "Lee", "", "", "a note"}));
  }
  const std::string first = FileBytes(Path("first.sqlite")), second = FileBytes(Path("second.sqlite"));
  AsReaderOnly(folder_, [this]() -> std::string {
    for (const char* name : {"first.sqlite", "second.sqlite"}) {
      std::string error;
      auto book = Book::Open(Path(name), error);
      if (!book) return std::string(name) + ": not opened: " + error;
      if (!book->WhyReadOnly() || book->WhyReadOnly()->find("is read-only") == std::string::npos) {
        return std::string(name) + ": not said to be read-only";
      }
      const auto people = book->All();
      if (people.size() != 1 || people[0].note != "a note") return std::string(name) + ": not read";
      try {
        book->Add(PersonOf({"Cy", "1990-01-01"}));
        return std::string(name) + ": a person was added";
      } catch (const zentara::book::BookError& failure) {
        if (failure.Fault() != zentara::book::BookFault::ReadOnly) return std::string(name) + ": " + failure.what();
      }
    }
    return {};
  });
  EXPECT_EQ(FileBytes(Path("first.sqlite")), first);
  EXPECT_EQ(FileBytes(Path("second.sqlite")), second);
}

// A book whose log is removed under a program that has it open (another
// program then writes a log of its own) is refused by that program rather
// than written into a file no one will read.
TEST_F(BookFile, ABookWhoseLogWasRemovedIsNotWrittenIntoNowhere) {
  std::string error;
  auto desktop = Book::Open(Path(), error);
  ASSERT_TRUE(desktop) << error;
  desktop->Add(PersonOf({"Ann Lee", "1980-05-17"}));
  ASSERT_TRUE(std::filesystem::remove(Path().string() + "-wal"));
  try {
    desktop->Add(PersonOf({"Cy", "1982-01-01"}));
    ADD_FAILURE() << "a person was written after the log was removed";
  } catch (const zentara::book::BookError& failure) {
    EXPECT_EQ(failure.Fault(), zentara::book::BookFault::Moved) << failure.what();
  }
  desktop.reset();  // closed without folding its log into the book
  auto again = Book::Open(Path(), error);
  ASSERT_TRUE(again) << error;
  EXPECT_TRUE(again->FindByName("cy").empty());
  again->Add(PersonOf({"Bo", "1981-01-01"}));
  EXPECT_EQ(again->FindByName("bo").size(), 1u);
}

// A damaged book stays refused changes until a full check finds it whole.
TEST_F(BookFile, TheCheckMarksADamagedBookAndClearsAWholeOne) {
  std::string error;
  Book::Open(Path(), error)->Add(PersonOf({"Ann Lee", "1980-05-17"}));
  WithSqlite(Path(), "PRAGMA journal_mode = DELETE");
  const std::string whole = FileBytes(Path());
  std::string damaged = whole;
  for (std::size_t at = 4096; at < damaged.size(); ++at) damaged[at] = static_cast<char>(0xA5);
  std::ofstream(Path(), std::ios::binary | std::ios::trunc) << damaged;
  EXPECT_FALSE(zentara::book::CheckBook(Path(), false).whole);
  auto book = Book::Open(Path(), error);
  ASSERT_TRUE(book) << error;
  EXPECT_THROW(book->Add(PersonOf({"Bo", "1981-01-01"})), zentara::book::BookError);
  book.reset();
  // The same file (the mark follows the file, not its name), made whole again.
  std::ofstream(Path(), std::ios::binary | std::ios::in | std::ios::out) << whole;
  EXPECT_TRUE(zentara::book::CheckBook(Path(), false).whole);
  book = Book::Open(Path(), error);
  ASSERT_TRUE(book) << error;
  EXPECT_FALSE(book->WhyReadOnly());
  book->Add(PersonOf({"Bo", "1981-01-01"}));
}

// A mark is about one file: a book put where a marked one was removed (a
// backup restored) is not taken for it, though the file system gives the new
// file the number the removed one had.
TEST_F(BookFile, ABookGivenARemovedMarkedBooksNumberIsNotTakenForIt) {
  std::string error;
  Book::Open(Path(), error)->Add(PersonOf({"Ann Lee", "1980-05-17"}));
  const auto removed = zentara::book::IdentityOf(Path());
  ASSERT_TRUE(removed);
  zentara::book::MarkDamaged(*removed, "found damaged");
  const std::string backup = FileBytes(Path());
  std::filesystem::remove(Path());
  std::ofstream(Path(), std::ios::binary) << backup;
  auto restored = zentara::book::IdentityOf(Path());
  ASSERT_TRUE(restored);
  if (restored->file.born == 0) GTEST_SKIP() << "this file system keeps no birth times";
  restored->file.device = removed->file.device, restored->file.inode = removed->file.inode;
  EXPECT_FALSE(zentara::book::DamageMark(*restored)) << "the restored book is taken for the removed one";
  EXPECT_TRUE(zentara::book::DamageMark(*removed)) << "the removed one's mark is lost";
}

TEST_F(BookFile, TwoWritersAtOnceLoseNothing) {
  std::string error;
  ASSERT_TRUE(Book::Open(Path(), error)) << error;
  constexpr int kEach = 150;
  const auto writer = [this](const char* last) {
    std::string error;
    auto book = Book::Open(Path(), error);
    ASSERT_TRUE(book) << error;
    for (int i = 0; i < kEach; ++i) book->Add(PersonOf({"", "1980-05-17", "", "", "", "", "", "", "", "", "Ann", "", last}));
  };
  std::thread desktop(writer, "Desktop"), commandLine(writer, "Line");
  desktop.join();
  commandLine.join();
  auto book = Book::Open(Path(), error);
  ASSERT_TRUE(book) << error;
  EXPECT_EQ(book->FindByName("ann desktop").size(), std::size_t{kEach});
  EXPECT_EQ(book->FindByName("ANN LINE").size(), std::size_t{kEach});
}

}  // namespace
