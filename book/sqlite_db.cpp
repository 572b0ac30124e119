#include "book/sqlite_db.h"

#include <sqlite3.h>

namespace zentara::book {

namespace {

[[noreturn]] void Fail(sqlite3* db, std::string_view what) {
  throw BookError(std::string(what) + ": " + (db != nullptr ? sqlite3_errmsg(db) : "out of memory"));
}

}  // namespace

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) != SQLITE_OK) {
    Fail(db, "cannot read the book");
  }
}

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement& Statement::Bind(int index, std::string_view text) {
  if (sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK) {
    Fail(db_, "cannot write the book");
  }
  return *this;
}

Statement& Statement::Bind(int index, std::int64_t number) {
  if (sqlite3_bind_int64(statement_, index, number) != SQLITE_OK) Fail(db_, "cannot write the book");
  return *this;
}

Statement& Statement::BindNull(int index) {
  if (sqlite3_bind_null(statement_, index) != SQLITE_OK) Fail(db_, "cannot write the book");
  return *this;
}

bool Statement::Step() {
  const int result = sqlite3_step(statement_);
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  sqlite3_reset(statement_);
  Fail(db_, "cannot use the book");
}

void Statement::Reset() { sqlite3_reset(statement_); }

std::string_view Statement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  if (text == nullptr) return {};
  return {text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))};
}

std::int64_t Statement::Int(int column) const { return sqlite3_column_int64(statement_, column); }

bool Statement::IsNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }

Database::Database(const std::filesystem::path& path, bool create, int busyMilliseconds) {
  const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    const std::string why = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    db_ = nullptr;
    throw BookError("cannot open the book: " + why);
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, busyMilliseconds);
}

Database::~Database() { sqlite3_close(db_); }

void Database::Execute(std::string_view sql) {
  const std::string text(sql);
  if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db_, "cannot use the book");
}

std::int64_t Database::Number(std::string_view sql) {
  Statement statement(db_, sql);
  return statement.Step() ? statement.Int(0) : 0;
}

std::int64_t Database::LastInsertId() const { return sqlite3_last_insert_rowid(db_); }

int Database::Changes() const { return sqlite3_changes(db_); }

bool Database::InTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

WriteTransaction::WriteTransaction(Database& db) : db_(db) {
  if (db_.InTransaction()) return;
  db_.Execute("BEGIN IMMEDIATE");
  owner_ = true;
}

WriteTransaction::~WriteTransaction() {
  if (owner_ && !done_ && db_.InTransaction()) sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void WriteTransaction::Commit() {
  if (owner_ && !done_) db_.Execute("COMMIT");
  done_ = true;
}

ReadTransaction::ReadTransaction(Database& db) : db_(db) {
  if (db_.InTransaction()) return;
  db_.Execute("BEGIN");
  owner_ = true;
}

ReadTransaction::~ReadTransaction() {
  // It changed nothing: ending it only lets the read lock go.
  if (owner_ && db_.InTransaction()) sqlite3_exec(db_.Handle(), "COMMIT", nullptr, nullptr, nullptr);
}

}  // namespace zentara::book
