// The book of people: one SQLite database per user, shared by the desktop and
// zentara-cli, each of which may have it open at the same time.
//
// The file holds the people and, for each person the astro match can take, the
// chart computed from the birth (kept until the birth changes, so ranking a
// person against all the others computes no chart twice). A file that is not a
// book of this program's, or one of a newer version, is never changed: Open
// says what is wrong. Every change is one transaction (write-ahead log), so a
// crash loses nothing committed and leaves nothing half-written.
#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "book/person.h"
#include "book/sqlite_db.h"

namespace zentara::book {

// The version of the book's tables this program writes (PRAGMA user_version),
// and the number that marks a file as a book (PRAGMA application_id).
inline constexpr int BookSchemaVersion = 1;
inline constexpr std::int32_t BookApplicationId = 0x5a50424b;  // "ZPBK"

// How long a change waits for another program's change to the same book.
inline constexpr int BookBusyMilliseconds = 10000;

// A person's kept chart: the fourteen slot texts and the Moon's whole degrees
// within its sign, the one figure the score reads.
struct KeptChart {
  std::string positions;  // the fourteen slot texts joined by '|'
  int moonDegrees = 0;
};

// What a list shows of a person.
struct PersonSummary {
  std::int64_t id = 0;
  std::string name;     // DisplayName
  std::string born;     // BornText
  std::string place;    // PlaceText
  std::string search;   // the names, place and note folded for search (FoldForSearch)
};

// Everyone's search text, in list order, in one block: person i's text is
// texts[ends[i - 1] .. ends[i]) (from 0 for the first).
struct SearchTexts {
  std::vector<std::int64_t> ids;
  std::string texts;
  std::vector<std::uint32_t> ends;
};

// Book::DisplayNames looks up to this many names one by one; for more, one
// pass over the whole table is quicker (each look-up descends the table).
inline constexpr std::size_t NamesLookedUpOneByOne = 2000;

// What the ranking reads of a person.
struct RankEntry {
  std::int64_t id = 0;
  std::optional<int> moonDegrees;  // from the kept chart; nothing when the astro match cannot take the person
};

class Book {
 public:
  // Opens the book at `path`, creating it (and its folder) when there is no
  // file, bringing an older version's tables up to this one. Nothing and the
  // reason in `error` when the file cannot be opened or is not a book this
  // program may change; the file is then left as it was.
  static std::unique_ptr<Book> Open(const std::filesystem::path& path, std::string& error);

  const std::filesystem::path& Path() const { return path_; }

  // The changes below throw BookError when the database fails; a person must
  // pass CheckPerson (BookError otherwise). Each is one transaction unless a
  // Batch is open.
  std::int64_t Add(Person person);  // the new id
  bool Update(const Person& person);  // false when no person has its id
  bool Remove(std::int64_t id);

  std::optional<Person> Get(std::int64_t id);
  std::int64_t Count();
  // Every person, in list order (by folded display name, then id).
  std::vector<Person> All();
  // What the list shows of everyone, in list order; of one person.
  std::vector<PersonSummary> Summaries();
  std::optional<PersonSummary> Summary(std::int64_t id);
  // Everyone's search text, in list order, for the People window's search.
  SearchTexts AllSearchTexts();
  // Everyone, in list order, with the Moon of their kept chart. A chart that
  // is not kept (the book drops it when anything it is computed from changes,
  // whichever program changes it) or was kept by another version of the
  // engines is computed and kept first.
  std::vector<RankEntry> RankEntries();
  // The DisplayName of each of these people, in the same order; an empty text
  // for an id no person has.
  std::vector<std::string> DisplayNames(const std::vector<std::int64_t>& ids);
  // The ids of the people whose astro form's name, or first and last name, is
  // `name` ignoring case; in id order.
  std::vector<std::int64_t> FindByName(std::string_view name);
  // The person's kept chart; nothing when the astro match cannot take them or
  // no chart of theirs is kept for this version of the engines.
  std::optional<KeptChart> ChartOf(std::int64_t id);

  // Many changes as one transaction: all of them or none.
  class Batch {
   public:
    explicit Batch(Book& book) : transaction_(*book.db_) {}
    void Commit() { transaction_.Commit(); }

   private:
    WriteTransaction transaction_;
  };

 private:
  Book(std::filesystem::path path, std::unique_ptr<Database> db) : path_(std::move(path)), db_(std::move(db)) {}
  // Computes the person's chart and keeps it, or keeps that the astro match
  // cannot take the person; the chart when there is one.
  std::optional<KeptChart> KeepChart(std::int64_t id, const Person& person);
  // A statement prepared once for the connection's life, reset before each use.
  Statement& Prepared(std::unique_ptr<Statement>& kept, std::string_view sql);

  std::filesystem::path path_;
  std::unique_ptr<Database> db_;
  std::unique_ptr<Statement> insert_, keepChart_, rankEntries_, displayName_;  // after db_: finalised before it closes
};

// Where the user's book is: $ZENTARA_BOOK when set and not empty, otherwise
// $XDG_DATA_HOME/zentara/people.sqlite, with ~/.local/share when
// XDG_DATA_HOME is unset or not absolute.
std::filesystem::path DefaultBookPath();
inline constexpr const char* BookFileVariable = "ZENTARA_BOOK";

}  // namespace zentara::book
