// The book of people: one SQLite database per user, shared by the desktop and
// zentara-cli, each of which may have it open at the same time.
//
// The file holds the people and, for each person the astro match can take, the
// chart computed from the birth (kept until the birth changes, so ranking a
// person against all the others computes no chart twice). A file that is not a
// book of this program's, one of a version this program does not know, or
// anything at the path that is not a regular file is never changed: Open says
// what is wrong. Every change is one transaction (write-ahead log), so a crash
// loses nothing committed and leaves nothing half-written; a new book is made
// whole beside its path and then given its name.
//
// A book that cannot be written (a read-only file or folder) is opened for
// reading. A book marked damaged (book/damage_marks.h) is read as far as it can
// be and never written. Every operation first checks that the files it has
// open are still the ones at the book's path, so that a book removed or
// replaced under the program is said to be so rather than written into nowhere.
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "book/damage_marks.h"
#include "book/person.h"
#include "book/sqlite_db.h"

namespace zentara::book {

// The version of the book's tables this program writes (PRAGMA user_version),
// and the number that marks a file as a book (PRAGMA application_id).
inline constexpr int BookSchemaVersion = 2;
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
  std::int64_t revision = 0;  // the person's, when read
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
  // file, bringing an older version's tables up to this one in its first
  // write transaction. A book that cannot be written is opened for reading
  // (an older version's tables read as they are). Nothing and the reason in
  // `error` when the file cannot be opened or is not a book this program
  // knows; the file is then left as it was.
  static std::unique_ptr<Book> Open(const std::filesystem::path& path, std::string& error);

  const std::filesystem::path& Path() const { return path_; }

  // Why the book can only be read: the file or its folder is read-only, or it
  // is marked damaged (then the advice on saving what can be read). Nothing
  // when it can be written.
  std::optional<std::string> WhyReadOnly() const;

  // The changes below throw BookError when the database fails, and before
  // anything is written when the book can only be read (WhyReadOnly) or its
  // files were removed or replaced (BookFault::Moved). A person must pass
  // CheckPerson (BookError otherwise). Each is one transaction unless a Batch is
  // open. Ids are never given twice, even after their person is removed.
  // The new id. The person's chart is computed and kept now, or (for many
  // people at once, as an import adds them, so the book's write lock is held
  // briefly) when it is first wanted.
  enum class ChartTiming { Now, WhenWanted };
  std::int64_t Add(Person person, ChartTiming chart = ChartTiming::Now);

  // Stores `person` over the person with its id, provided nobody changed or
  // removed that person since it was read (its revision is still the one read).
  enum class SaveOutcome { Saved, ChangedElsewhere, Removed };
  SaveOutcome Update(const Person& person);

  // Reads the person `id` and hands it to `change`, which changes the columns
  // it means to change or says why it cannot (a refusal, in which case nothing
  // is written); the person is then checked and written back. All in one
  // write transaction, so a change made meanwhile by another program is never
  // written over.
  struct EditOutcome {
    bool found = false;                      // a person had the id
    std::optional<PersonProblem> refused;    // why the change was not made
  };
  EditOutcome Edit(std::int64_t id, const std::function<std::optional<PersonProblem>(Person&)>& change);

  // Whether a person with the id was there to remove, as the removal itself
  // found it.
  bool Remove(std::int64_t id);
  // Removes these people, each provided it is still at the revision given;
  // when any is not (changed or removed elsewhere), removes no one and returns
  // their ids.
  std::vector<std::int64_t> RemoveUnchanged(const std::vector<std::pair<std::int64_t, std::int64_t>>& idsAndRevisions);

  std::optional<Person> Get(std::int64_t id);
  std::int64_t Count();
  // Every person, in list order (by folded display name, then id).
  std::vector<Person> All();
  // The same, one person at a time, as they are read: memory does not grow
  // with the book. `each` must not use the book.
  void ForEachPerson(const std::function<void(const Person&)>& each);
  // What the list shows of everyone, in list order; of one person.
  std::vector<PersonSummary> Summaries();
  void ForEachSummary(const std::function<void(const PersonSummary&)>& each);
  std::optional<PersonSummary> Summary(std::int64_t id);
  // Everyone's search text, in list order, for the People window's search.
  SearchTexts AllSearchTexts();
  // Everyone, in list order, with the Moon of their kept chart. A chart that
  // is not kept (the book drops it when anything it is computed from changes,
  // whichever program changes it) or was kept by another version of the
  // engines is computed and kept first (computed only, in a book that can
  // only be read).
  std::vector<RankEntry> RankEntries();
  // The same, one person at a time in list order, with their place in the
  // list (0 for the first): memory does not grow with the book. `each` must
  // not use the book.
  void ForEachRankEntry(const std::function<void(const RankEntry&, std::uint32_t listPlace)>& each);
  // One person's, the chart computed (and kept) when it is not kept; nothing
  // when no person has the id.
  std::optional<RankEntry> RankEntryOf(std::int64_t id);
  // The DisplayName of each of these people, in the same order; an empty text
  // for an id no person has.
  std::vector<std::string> DisplayNames(const std::vector<std::int64_t>& ids);
  // The ids of the people whose astro form's name, or first and last name, is
  // `name` ignoring case; in id order.
  std::vector<std::int64_t> FindByName(std::string_view name);
  // The person's kept chart; nothing when the astro match cannot take them or
  // no chart of theirs is kept for this version of the engines.
  std::optional<KeptChart> ChartOf(std::int64_t id);

  // Many changes as one transaction: all of them or none. Refused, as every
  // change is, when the book cannot be written.
  class Batch {
   public:
    explicit Batch(Book& book);
    void Commit() { transaction_->Commit(); }

   private:
    std::optional<WriteTransaction> transaction_;
  };

 private:
  Book(std::filesystem::path path, std::unique_ptr<Database> db, BookIdentity identity, int schemaVersion);
  // Throws before a change when the book can only be read.
  void RefuseWrites();
  // RefuseWrites, then before the first change the write-ahead log switched
  // on and an older version's tables brought up to date.
  void PrepareToWrite();
  // Throws when the files open are no longer those at the book's path.
  void RefuseIfMoved();
  // A change's write transaction, begun between the two checks.
  friend class BookWrite;
  // Computes the person's chart and keeps it (when the book can be written),
  // or keeps that the astro match cannot take the person; the chart when
  // there is one.
  std::optional<KeptChart> KeepChart(std::int64_t id, const Person& person);
  // A statement prepared once for the connection's life, reset before each use.
  Statement& Prepared(std::unique_ptr<Statement>& kept, std::string_view sql);
  // Where a write-ahead-log file beside the book is, and its identity now.
  std::optional<system::FileIdentity> SideFile(const char* suffix) const;

  std::filesystem::path path_;
  std::unique_ptr<Database> db_;
  BookIdentity identity_;
  int schemaVersion_;                 // the file's; brought up to BookSchemaVersion by the first change
  std::string personColumns_;         // the columns a person is read from, for this schema version
  std::optional<std::string> readOnly_;  // why the file cannot be written
  std::optional<std::string> damaged_;   // why it is marked damaged
  bool writeAheadLog_;                   // the file is in write-ahead-log mode
  std::optional<system::FileIdentity> wal_, shm_;  // the log files the connection opened
  // Prepared once; after db_, so finalised before it closes.
  std::unique_ptr<Statement> get_, insert_, keepChart_, rankEntries_, displayName_;
};

// A full check of the book at `path` (SQLite's integrity check, or its quicker
// check with `quick`), which marks the book damaged when it finds anything and
// (the full check only) clears the mark when it finds nothing. `findings` is
// empty for a whole book; otherwise what was found, one a line.
struct BookCheck {
  bool whole = false;
  std::vector<std::string> findings;
};
BookCheck CheckBook(const std::filesystem::path& path, bool quick);

// Where the user's book is: $ZENTARA_BOOK when set and not empty, otherwise
// $XDG_DATA_HOME/zentara/people.sqlite, with ~/.local/share when
// XDG_DATA_HOME is unset or not absolute.
std::filesystem::path DefaultBookPath();
inline constexpr const char* BookFileVariable = "ZENTARA_BOOK";

}  // namespace zentara::book
