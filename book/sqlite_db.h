// A thin layer over SQLite's C interface: a connection, prepared statements and
// read and write transactions, each closed by its destructor. Every failure
// throws BookError with SQLite's own explanation and the kind of failure, so
// callers can tell a damaged file or a read-only one from any other failure.
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace zentara::book {

// What kind of failure a BookError is.
enum class BookFault {
  Other,     // any other failure of the database
  Damaged,   // the file is damaged (SQLite reports it malformed or no database)
  ReadOnly,  // the file or its folder cannot be written
  Busy,      // another program held the book longer than the wait allows
  Moved,     // the book's file or its log was removed or replaced under the connection
};

class BookError : public std::runtime_error {
 public:
  explicit BookError(const std::string& what, BookFault fault = BookFault::Other)
      : std::runtime_error(what), fault_(fault) {}
  BookFault Fault() const { return fault_; }

 private:
  BookFault fault_;
};

class Database;

class Statement {
 public:
  Statement(Database& db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Parameters count from 1, as in SQLite.
  Statement& Bind(int index, std::string_view text);
  Statement& Bind(int index, std::int64_t number);
  Statement& BindNull(int index);
  // Runs the statement on to its next row: true when there is one.
  bool Step();
  // Ready to run again; the bound values stay.
  void Reset();

  // The current row's columns, counting from 0. A text lives until the next Step.
  std::string_view Text(int column) const;
  std::int64_t Int(int column) const;
  bool IsNull(int column) const;

 private:
  Database& db_;
  sqlite3_stmt* statement_ = nullptr;
};

// How a connection opens its file.
enum class OpenMode {
  ReadWrite,  // reading and writing an existing file
  Create,     // reading and writing, creating the file when there is none
  ReadOnly,   // reading only; the log files beside it are made when the folder allows
  Immutable,  // reading a file that nothing writes (a read-only folder): no locks, no log files
};

class Database {
 public:
  // Opens `path`. Waits up to `busyMilliseconds` for another connection's lock
  // before giving up.
  Database(const std::filesystem::path& path, OpenMode mode, int busyMilliseconds);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Runs statements that return nothing (or whose rows are not wanted).
  void Execute(std::string_view sql);
  // The first column of the first row of `sql`, as a number (0 without rows)
  // or a text (empty without rows).
  std::int64_t Number(std::string_view sql);
  std::string Text(std::string_view sql);
  std::int64_t LastInsertId() const;
  // Rows changed by the last INSERT, UPDATE or DELETE.
  int Changes() const;
  bool InTransaction() const;
  // Whether the connection can only read (the file, or how it was opened).
  bool ReadOnly() const;
  // Whether the database file the connection has open is no longer the file
  // at its path (removed, or another file put in its place).
  bool FileHasMoved() const;
  // Closing will not fold the write-ahead log into the file: for a connection
  // whose files were removed or replaced, whose log must not be written over
  // the file now at the path.
  void CloseWithoutCheckpoint();
  sqlite3* Handle() const { return db_; }

  // Called with SQLite's explanation whenever it reports the file damaged,
  // before the BookError is thrown.
  std::function<void(const std::string&)> onDamage;

  // Throws the BookError for the connection's last failure, with `what` first.
  [[noreturn]] void Fail(std::string_view what);

 private:
  sqlite3* db_ = nullptr;
};

// BEGIN IMMEDIATE, so a writer waits for another writer at the start rather
// than failing half-way; rolled back unless Commit() was called. Inside a
// transaction already open it does nothing, and the outer one decides.
class WriteTransaction {
 public:
  explicit WriteTransaction(Database& db);
  ~WriteTransaction();
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;
  void Commit();

 private:
  Database& db_;
  bool owner_ = false;
  bool done_ = false;
};

// BEGIN (deferred): the statements run until it ends see the book as one
// moment left it and take its read lock once. Inside a transaction already
// open it does nothing.
class ReadTransaction {
 public:
  explicit ReadTransaction(Database& db);
  ~ReadTransaction();
  ReadTransaction(const ReadTransaction&) = delete;
  ReadTransaction& operator=(const ReadTransaction&) = delete;

 private:
  Database& db_;
  bool owner_ = false;
};

}  // namespace zentara::book
