// A thin layer over SQLite's C interface: a connection, prepared statements and
// a write transaction, each closed by its destructor. Every failure throws
// BookError with SQLite's own explanation.
#pragma once
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace zentara::book {

class BookError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);
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
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

class Database {
 public:
  // Opens `path` for reading and writing, creating it when `create`. Waits up
  // to `busyMilliseconds` for another connection's lock before giving up.
  Database(const std::filesystem::path& path, bool create, int busyMilliseconds);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Runs statements that return nothing (or whose rows are not wanted).
  void Execute(std::string_view sql);
  // The first column of the first row of `sql`, as a number (0 without rows).
  std::int64_t Number(std::string_view sql);
  std::int64_t LastInsertId() const;
  // Rows changed by the last INSERT, UPDATE or DELETE.
  int Changes() const;
  bool InTransaction() const;
  sqlite3* Handle() const { return db_; }

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
